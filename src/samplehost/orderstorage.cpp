#include "orderstorage.h"

#include <samplehost/topics.h>

#include <typekit/order/orderstoragefilter.h>
#include <typekit/topic/istandardtopics.h>

namespace Sample {

namespace {

// The fields a sample order topic defines; none for a topic of another host.
Trade::FieldSet fieldsOf(const Trade::IOrderTopic *topic)
{
    const auto *sample = dynamic_cast<const OrderTopic *>(topic);
    return sample ? sample->fields() : Trade::FieldSet();
}

} // namespace

OrderStorage::OrderStorage(QObject *parent) : Storage(parent)
{
    const Trade::IStandardTopics *topics = Trade::IStandardTopics::instance();
    m_topic = topics ? topics->orderTopic() : nullptr;
}

Record *OrderStorage::addOrder(const Trade::OrderRecord &order)
{
    return add(std::make_unique<Record>(order.idOptional(QString()), fieldsOf(m_topic), order.record()));
}

Record *OrderStorage::updateOrder(const Trade::OrderRecord &update)
{
    Record *stored = find(update.idOptional(QString()));
    if (stored)
        this->update(stored, update.record());
    return stored;
}

Trade::OrderRecord OrderStorage::order(const QString &id) const
{
    const Record *stored = find(id);
    return Trade::OrderRecord(stored ? stored->variantRecord() : Trade::VariantRecord());
}

bool OrderStorage::accepts(const Record *record, const Trade::StorageFilter &filter) const
{
    if (!m_topic)
        return false;
    const Trade::VariantRecord &entries = record->variantRecord();
    if (filter.hasSymbol() && entries.heldOr<Trade::ISymbol *>(m_topic->symbolField(), nullptr) != filter.symbol())
        return false;
    if (filter.hasAccounts()
        && !filter.accounts().contains(entries.heldOr<Trade::IAccount *>(m_topic->accountField(), nullptr)))
        return false;
    const Trade::OrderAction action = entries.heldOr(m_topic->actionField(), Trade::OrderAction());
    if (filter.hasSide() && (!action.isValid() || action.isBuy() != filter.side().isLong()))
        return false;
    const auto *orderFilter = dynamic_cast<const Trade::OrderStorageFilter *>(&filter);
    if (!orderFilter)
        return true;
    const Trade::OrderState state = entries.heldOr(m_topic->stateField(), Trade::OrderState());
    if (orderFilter->hasWorking() && state.isActive() != orderFilter->working())
        return false;
    if (orderFilter->hasCanCancel() && (state.isActive() && !state.isCanceling()) != orderFilter->canCancel())
        return false;
    return true;
}

} // namespace Sample
