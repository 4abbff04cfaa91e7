#include "orderjournal.h"

#include <typekit/order/orderutils.h>

bool OrderJournal::save(const Trade::OrderRecord &order)
{
    m_error.clear();
    return order.saveJsonFile(path(order.idOptional(QString())), &m_error);
}

Trade::OrderRecord OrderJournal::load(const QString &id)
{
    m_problems.clear();
    return Trade::OrderRecord::loadJsonFile(path(id), Trade::Variant(), &m_problems, Trade::LoadMode::Strict);
}

Trade::OrderRecord OrderJournal::applyFill(const Trade::OrderRecord &order, const Trade::Quantity &filled)
{
    Trade::OrderRecord fill;
    fill.setFilled(filled);
    Trade::OrderRecord updated = order.merge(fill);
    const Trade::Quantity left = remaining(updated);
    updated.setState(left.hasValue() && !left.isPositive()
                         ? Trade::OrderState(Trade::OrderState::Completed, Trade::OrderState::reasonFilled)
                         : Trade::OrderState(Trade::OrderState::Working));
    return updated;
}

Trade::Quantity OrderJournal::remaining(const Trade::OrderRecord &order)
{
    return Trade::OrderUtils::remainingQuantity(order.record(), order.topic());
}
