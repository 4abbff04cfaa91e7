#include "orderexpiry.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

const char *const displayTexts[] = {
    nullptr,
    QT_TR_NOOP("Good Till Cancel"),
    QT_TR_NOOP("Good Till Cancel Ext"),
    QT_TR_NOOP("Good Till Date"),
    QT_TR_NOOP("Day Order"),
    QT_TR_NOOP("Day Order Ext"),
    QT_TR_NOOP("Am"),
    QT_TR_NOOP("Pm"),
    QT_TR_NOOP("MOC"),
    QT_TR_NOOP("Immediate Or Cancel"),
    QT_TR_NOOP("Day NB"),
    QT_TR_NOOP("Extended Hours"),
    QT_TR_NOOP("At The Opening"),
    QT_TR_NOOP("Fill Or Kill"),
    QT_TR_NOOP("OPG"),
};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts(displayTexts);

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
    TRADE_ASSERT(false && "unexpected order expiry", u"Trade::OrderExpiry::toString",
                 u"order/orderexpiry", this);
    return QString();
}

} // namespace Trade
