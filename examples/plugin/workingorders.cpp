#include "workingorders.h"

#include <typekit/order/orderstoragefilter.h>
#include <typekit/topic/istandardtopics.h>

namespace {

// The columns: the host's order fields, from the topics it installed at start (none before).
Trade::FieldSet columns()
{
    const Trade::IStandardTopics *topics = Trade::IStandardTopics::instance();
    const Trade::IOrderTopic *order = topics ? topics->orderTopic() : nullptr;
    if (!order)
        return {};
    return {order->idField(), order->actionField(), order->limitPriceField(), order->quantityField()};
}

} // namespace

WorkingOrders::WorkingOrders(Trade::IStorage *orders, QObject *parent) : QObject(parent), m_orders(orders, columns())
{
    m_orders.setFilter(Trade::OrderStorageFilter().working(true));
    m_sorted.setSourceModel(&m_orders);
    m_sorted.sort(LimitPriceColumn, Qt::DescendingOrder); // by ticks, not by text
}

QString WorkingOrders::summary() const
{
    const int rows = m_sorted.rowCount();
    if (rows == 0)
        return tr("No working orders");
    QStringList orders;
    for (int row = 0; row < rows; ++row) {
        const auto text = [&](Column column) { return m_sorted.index(row, column).data().toString(); };
        orders << tr("%1 %2 @ %3").arg(text(ActionColumn), text(QuantityColumn), text(LimitPriceColumn));
    }
    return tr("%n working: %1", nullptr, rows).arg(orders.join(QStringLiteral(", ")));
}
