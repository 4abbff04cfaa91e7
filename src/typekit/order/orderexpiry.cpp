#include "orderexpiry.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

const char *const displayTexts[] = {
    nullptr,
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Good Till Cancel"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Good Till Cancel Ext"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Good Till Date"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Day Order"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Day Order Ext"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Am"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Pm"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "MOC"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Immediate Or Cancel"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Day NB"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Extended Hours"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "At The Opening"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "Fill Or Kill"),
    QT_TRANSLATE_NOOP("Trade::OrderExpiry", "OPG"),
};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts("Trade::OrderExpiry", displayTexts);

} // namespace

dual_map<OrderExpiry::Type, QString> OrderExpiry::buildPersistentTexts()
{
    dual_map<Type, QString> texts;
    texts.insert(GoodTillCancel, QStringLiteral("GoodTillCancel"))
        .insert(GoodTillCancelExt, QStringLiteral("GoodTillCancelExt"))
        .insert(GoodTillDate, QStringLiteral("GoodTillDate"))
        .insert(DayOrder, QStringLiteral("DayOrder"))
        .insert(DayExt, QStringLiteral("DayExt"))
        .insert(Am, QStringLiteral("Am"))
        .insert(Pm, QStringLiteral("Pm"))
        .insert(MOC, QStringLiteral("MOC"))
        .insert(ImmediateOrCancel, QStringLiteral("ImmediateOrCancel"))
        .insert(DayNB, QStringLiteral("DayNB"))
        .insert(ExtendedHours, QStringLiteral("ExtendetHours"))
        .insert(AtTheOpening, QStringLiteral("AtTheOpening"))
        .insert(FillOrKill, QStringLiteral("FillOrKill"))
        .insert(OPG, QStringLiteral("OPG"));
    return texts;
}

QString OrderExpiry::toString() const
{
    if (const QString *text = texts.find(m_type))
        return *text;
    TRADE_ASSERT(false && "unexpected order expiry", u"Trade::OrderExpiry::toString", u"order/orderexpiry", this);
    return QString();
}

} // namespace Trade
