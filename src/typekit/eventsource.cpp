#include "eventsource.h"

#include <basekit/variant.h>
#include <QtCore/QStringList>
#include <typekit/lazytexts_p.h>
#include <typekit/textconversions_p.h>

namespace Trade {

namespace {
const char *const sourceTexts[] = {"",
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Trade Manager"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Account Manager"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Chart"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Chart Trading Panel"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "ZEL-AT"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Menu Trade"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Watch List"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Time & Sales"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Market Depth"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Hot List"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Detailed Quotes"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "News"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Option Chain"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Scanner"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Scanner2"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Dashboard"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Market Profile"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Forward/Yield Curve"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Market Scope"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Partner Links"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Symbol Search"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Research"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Quote Ticker"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Global Command"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Forex Window"),
                                   QT_TRANSLATE_NOOP("Trade::EventSource", "Quote Board")};

const char *const reasonTexts[] = {nullptr,
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Placing Order"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Modify Order"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close Position"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Reverse Position"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel Order"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel Orders"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel All Orders"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close and Cancel All"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "MMS Generated"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel All Orders for Symbol"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel All Long Orders"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Cancel All Short Orders"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close All Positions"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close All Longs"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close All Shorts"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close And Cancel Longs"),
                                   QT_TRANSLATE_NOOP("Trade::EventReason", "Close And Cancel Shorts")};
} // namespace

QString EventSource::formatSource() const
{
    if (m_source == 0)
        return QString();
    if (const char *text = detail::sourceText(sourceTexts, m_source))
        return QCoreApplication::translate("Trade::EventSource", text);
    TRADE_ASSERT(false && "Invalid value", u"Trade::EventSource::formatSource", u"eventsource", this)
        << TRADE_NAMED_VALUE((int)m_source);
    return QString();
}

QString EventSource::toString() const
{
    return QStringLiteral("%1 %2")
        .arg(formatSource(), 0, QLatin1Char(' '))
        .arg(m_invocation.toString(), 0, QLatin1Char(' '))
        .trimmed();
}

QString EventSource::toSaveableString() const
{
    return QStringLiteral("%1,%2").arg(int(m_source)).arg(m_invocation.code());
}

void EventSource::fromSaveableString(const QString &text)
{
    int parts[2];
    *this = detail::readSavedNumbers(text, "Trade::EventSource", 2, parts)
                ? EventSource(Source(parts[0]), Common::InvocationType(parts[1]))
                : EventSource();
}

QString EventReason::toSaveableString() const
{
    return QStringLiteral("%1:%2").arg(int(m_type)).arg(m_type == 0 ? m_text : QString());
}

void EventReason::fromSaveableString(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    int type = 0;
    if (colon < 0)
        detail::malformedSavedText(text, "Trade::EventReason", QStringLiteral("a number, a colon and a text"));
    if (colon < 0 || !detail::readSavedNumbers(text.left(colon), "Trade::EventReason", 1, &type)) {
        *this = EventReason();
        return;
    }
    *this = type == 0 ? EventReason(text.mid(colon + 1)) : EventReason(Type(type));
}

QString EventReason::toString() const
{
    if (m_type == 0)
        return m_text;
    if (const char *text = detail::sourceText(reasonTexts, m_type))
        return QCoreApplication::translate("Trade::EventReason", text);
    TRADE_ASSERT(false && "Invalid value", u"Trade::EventReason::toString", u"eventsource", this)
        << TRADE_NAMED_VALUE((int)type());
    return QString();
}

} // namespace Trade
