#include "bracketcategory.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"order/bracketcategory";

const char *const displayTexts[] = {nullptr,
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "None"),
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "StopLoss"),
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "TakeProfit"),
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "StopLossTakeProfit"),
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "TrailingStop"),
                                    QT_TRANSLATE_NOOP("Trade::BracketCategory", "TrailingStopTakeProfit")};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts("Trade::BracketCategory", displayTexts);

} // namespace

dual_map<BracketCategory::Type, QString> BracketCategory::buildPersistentTexts()
{
    dual_map<Type, QString> texts;
    texts.insert(None, QStringLiteral("None"))
        .insert(StopLoss, QStringLiteral("StopLoss"))
        .insert(TakeProfit, QStringLiteral("TakeProfit"))
        .insert(StopLossTakeProfit, QStringLiteral("StopLossTakeProfit"))
        .insert(TrailingStop, QStringLiteral("TrailingStop"))
        .insert(TrailingStopTakeProfit, QStringLiteral("TrailingStopTakeProfit"));
    return texts;
}

BracketCategory::operator Type() const
{
    TRADE_ASSERT(Unknown != m_type, u"Trade::BracketCategory::operator enum Trade::BracketCategory::Type", unit, this);
    return m_type;
}

QString BracketCategory::toString() const
{
    if (const QString *text = texts.find(m_type))
        return *text;
    TRADE_ASSERT(false && "unexpected bracket category", u"Trade::BracketCategory::toString", unit, this);
    return QString();
}

} // namespace Trade
