#include "eventsource.h"

#include <basekit/variant.h>
#include <QtCore/QStringList>
#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {
const char *const sourceTexts[] = {"",
                                   QT_TR_NOOP("Trade Manager"),
                                   QT_TR_NOOP("Account Manager"),
                                   QT_TR_NOOP("Chart"),
                                   QT_TR_NOOP("Chart Trading Panel"),
                                   QT_TR_NOOP("ZEL-AT"),
                                   QT_TR_NOOP("Menu Trade"),
                                   QT_TR_NOOP("Watch List"),
                                   QT_TR_NOOP("Time & Sales"),
                                   QT_TR_NOOP("Market Depth"),
                                   QT_TR_NOOP("Hot List"),
                                   QT_TR_NOOP("Detailed Quotes"),
                                   QT_TR_NOOP("News"),
                                   QT_TR_NOOP("Option Chain"),
                                   QT_TR_NOOP("Scanner"),
                                   QT_TR_NOOP("Scanner2"),
                                   QT_TR_NOOP("Dashboard"),
                                   QT_TR_NOOP("Market Profile"),
                                   QT_TR_NOOP("Forward/Yield Curve"),
                                   QT_TR_NOOP("Market Scope"),
                                   QT_TR_NOOP("Partner Links"),
                                   QT_TR_NOOP("Symbol Search"),
                                   QT_TR_NOOP("Research"),
                                   QT_TR_NOOP("Quote Ticker"),
                                   QT_TR_NOOP("Global Command"),
                                   QT_TR_NOOP("Forex Window"),
                                   QT_TR_NOOP("Quote Board")};

const char *const reasonTexts[] = {nullptr,
                                   QT_TR_NOOP("Placing Order"),
                                   QT_TR_NOOP("Modify Order"),
                                   QT_TR_NOOP("Close Position"),
                                   QT_TR_NOOP("Reverse Position"),
                                   QT_TR_NOOP("Cancel Order"),
                                   QT_TR_NOOP("Cancel Orders"),
                                   QT_TR_NOOP("Cancel All Orders"),
                                   QT_TR_NOOP("Close and Cancel All"),
                                   QT_TR_NOOP("MMS Generated"),
                                   QT_TR_NOOP("Cancel All Orders for Symbol"),
                                   QT_TR_NOOP("Cancel All Long Orders"),
                                   QT_TR_NOOP("Cancel All Short Orders"),
                                   QT_TR_NOOP("Close All Positions"),
                                   QT_TR_NOOP("Close All Longs"),
                                   QT_TR_NOOP("Close All Shorts"),
                                   QT_TR_NOOP("Close And Cancel Longs"),
                                   QT_TR_NOOP("Close And Cancel Shorts")};
} // namespace

QString EventSource::formatSource() const
{
    if (m_source == 0)
        return QString();
    if (const char *text = detail::sourceText(sourceTexts, m_source))
        return QObject::tr(text);
    TRADE_ASSERT(false && "Invalid value", u"Trade::EventSource::formatSource", u"eventsource", this)
        << TRADE_NAMED_VALUE( (int)m_source);
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
    const QStringList parts = text.split(QLatin1Char(','));
    *this = EventSource(Source(parts.value(0).toInt()), Common::InvocationType(parts.value(1).toInt()));
}

QString EventReason::toSaveableString() const
{
    return QStringLiteral("%1:%2").arg(int(m_type)).arg(m_type == 0 ? m_text : QString());
}

void EventReason::fromSaveableString(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const int type = text.left(colon).toInt();
    *this = type == 0 ? EventReason(text.mid(colon + 1)) : EventReason(Type(type));
}

QString EventReason::toString() const
{
    if (m_type == 0)
        return m_text;
    if (const char *text = detail::sourceText(reasonTexts, m_type))
        return QObject::tr(text);
    TRADE_ASSERT(false && "Invalid value", u"Trade::EventReason::toString", u"eventsource", this)
        << TRADE_NAMED_VALUE( (int)type());
    return QString();
}

} // namespace Trade
