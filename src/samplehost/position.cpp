#include "position.h"

#include <samplehost/symbol.h>
#include <samplehost/topics.h>

#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>

#include <cmath>

namespace Sample {

namespace {

QString keyOf(Trade::ISymbol *symbol, Trade::IAccount *account)
{
    const auto *sampleSymbol = dynamic_cast<const Symbol *>(symbol);
    return (account ? account->id() : QString()) + QLatin1Char(':') + (sampleSymbol ? sampleSymbol->name() : QString());
}

} // namespace

Position::Position(Trade::ISymbol *symbol, Trade::IAccount *account, QObject *parent)
    : Position(dynamic_cast<const StandardTopics *>(Trade::IStandardTopics::instance()), symbol, account, parent)
{
}

Position::Position(const StandardTopics *topics, Trade::ISymbol *symbol, Trade::IAccount *account, QObject *parent)
    : Record(keyOf(symbol, account), topics ? topics->position().fields() : Trade::FieldSet(), Trade::VariantRecord(),
             parent),
      m_topic(topics ? &topics->position() : nullptr), m_symbol(symbol), m_account(account)
{
}

Position::~Position() = default;

Trade::IRecord *Position::record() const
{
    return const_cast<Position *>(this);
}

Trade::Quantity Position::quantity() const
{
    return m_topic ? variantRecord().heldOr(m_topic->quantityField(), Trade::Quantity()) : Trade::Quantity();
}

bool Position::canClose() const
{
    const Trade::Quantity held = quantity();
    return !m_locked && held.hasValue() && held.isNonZero();
}

Trade::OrderRecord Position::closeOrder() const
{
    return marketOrder(true);
}

Trade::OrderRecord Position::reverseOrder() const
{
    return marketOrder(false);
}

Trade::OrderRecord Position::marketOrder(bool closing) const
{
    // A flat position has nothing to close or reverse: its orders are empty.
    if (!canClose())
        return Trade::OrderRecord();
    const Trade::Quantity held = quantity();
    Trade::OrderRecord order;
    order.setSymbol(m_symbol);
    order.setAccount(m_account);
    // Closing a long position sells it, reversing it sells short; a short one is bought back,
    // respectively bought.
    order.setAction(Trade::OrderAction(held.isNegative(), !closing));
    order.setCategory(Trade::OrderCategory::Market);
    order.setExpiry(Trade::OrderExpiry::DayOrder);
    order.setQuantity(Trade::Quantity(std::fabs(held.value()), m_symbol));
    return order;
}

void Position::setQuantity(const Trade::Quantity &quantity)
{
    if (m_topic)
        setValue(m_topic->quantityField(), Trade::Variant::fromValue(quantity));
}

void Position::setReturn(const Trade::Profit &openProfit, const Trade::Profit &invested)
{
    if (!m_topic)
        return;
    Trade::VariantRecord changes;
    changes.setValue(m_topic->returnField(), Trade::Variant::fromValue(openProfit));
    changes.setValue(m_topic->returnBaseField(), Trade::Variant::fromValue(invested));
    merge(changes);
}

void Position::setPullBack(qint64 ticks)
{
    if (m_topic)
        setValue(m_topic->pullBackField(), Trade::Variant::fromValue(ticks));
}

} // namespace Sample
