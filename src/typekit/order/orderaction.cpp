#include "orderaction.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"order/orderaction";

const char *const displayTexts[] = {
    nullptr, QT_TRANSLATE_NOOP("Trade::OrderAction", "Buy"), QT_TRANSLATE_NOOP("Trade::OrderAction", "Sell"),
    QT_TRANSLATE_NOOP("Trade::OrderAction", "Sell Short"), QT_TRANSLATE_NOOP("Trade::OrderAction", "Buy To Cover")};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts("Trade::OrderAction", displayTexts);

} // namespace

dual_map<OrderAction::Type, QString> OrderAction::buildPersistentTexts()
{
    dual_map<Type, QString> texts;
    texts.insert(Buy, QStringLiteral("Buy"))
        .insert(Sell, QStringLiteral("Sell"))
        .insert(SellShort, QStringLiteral("Sell Short"))
        .insert(BuyToCover, QStringLiteral("Buy To Cover"));
    return texts;
}

OrderAction::OrderAction(bool isBuy, bool isOpen)
    : m_type(isBuy ? (isOpen ? Buy : BuyToCover) : (isOpen ? SellShort : Sell))
{
}

bool OrderAction::isBuy() const
{
    TRADE_ASSERT(isValid(), u"Trade::OrderAction::isBuy", unit, this);
    return m_type == Buy || m_type == BuyToCover;
}

bool OrderAction::isSell() const
{
    TRADE_ASSERT(isValid(), u"Trade::OrderAction::isSell", unit, this);
    return m_type == Sell || m_type == SellShort;
}

bool OrderAction::isOpen() const
{
    TRADE_ASSERT(isValid(), u"Trade::OrderAction::isOpen", unit, this);
    return m_type == Buy || m_type == SellShort;
}

OrderAction OrderAction::reverseSide() const
{
    const bool open = isOpen();
    const bool buy = isBuy();
    return OrderAction(!buy, open);
}

OrderAction::operator Type() const
{
    TRADE_ASSERT(isValid(), u"Trade::OrderAction::operator enum Trade::OrderAction::Type", unit, this);
    return m_type;
}

QString OrderAction::toString() const
{
    if (const QString *text = texts.find(m_type))
        return *text;
    TRADE_ASSERT(false && "unexpected order action", u"Trade::OrderAction::toString", unit, this);
    return QString();
}

} // namespace Trade
