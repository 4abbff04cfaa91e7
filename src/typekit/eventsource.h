#pragma once

#include <typekit/invocationtype.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// Where an order event came from (the window or tool that started it, and the user's gesture),
/// and why it happened.
class TYPEKIT_EXPORT EventSource
{
    Q_GADGET

public:
    enum Source : qint32 {
        TradeManager = 1,
        AccountManager = 2,
        Chart = 3,
        ChartTradingPanel = 4,
        ZelAt = 5,
        MenuTrade = 6,
        WatchList = 7,
        TimeAndSales = 8,
        MarketDepth = 9,
        HotList = 10,
        DetailedQuotes = 11,
        News = 12,
        OptionChain = 13,
        Scanner = 14,
        Scanner2 = 15,
        Dashboard = 16,
        MarketProfile = 17,
        ForwardYieldCurve = 18,
        MarketScope = 19,
        PartnerLinks = 20,
        SymbolSearch = 21,
        Research = 22,
        QuoteTicker = 23,
        GlobalCommand = 24,
        ForexWindow = 25,
        QuoteBoard = 26,
    };
    Q_ENUM(Source)

    EventSource() : m_source(Source(0)), m_logged(false) {}
    EventSource(Source source) : m_source(source), m_logged(false) {}
    EventSource(Source source, const Common::InvocationType &invocation)
        : m_source(source), m_invocation(invocation), m_logged(false)
    {
    }

    Source source() const { return m_source; }
    /// The source, under the name every enumeration class gives its value.
    Source type() const { return m_source; }
    const Common::InvocationType &invocation() const { return m_invocation; }
    bool isLogged() const { return m_logged; }
    void setLogged(bool logged) { m_logged = logged; }

    /// Source and gesture; whether the event was logged does not count.
    bool operator==(const EventSource &other) const
    {
        return m_source == other.m_source && m_invocation == other.m_invocation;
    }
    bool operator!=(const EventSource &other) const { return !(*this == other); }

    /// The source's text and the gesture's text, joined by a space ("Chart Mouse Left Click");
    /// either alone when the other is empty.
    QString toString() const;
    /// The saved text: the two numbers, "source,gesture" ("3,2"); whether the event was logged is
    /// not kept. Reading one back sets both numbers (missing ones are 0) and clears the flag.
    QString toSaveableString() const;
    void fromSaveableString(const QString &text);

private:
    QString formatSource() const;

    Source m_source;
    Common::InvocationType m_invocation;
    bool m_logged;
};

/// Why an order event happened: what the user asked for, or a free text.
class TYPEKIT_EXPORT EventReason
{
    Q_GADGET

public:
    enum Type : qint32 {
        PlacingOrder = 1,
        ModifyOrder = 2,
        ClosePosition = 3,
        ReversePosition = 4,
        CancelOrder = 5,
        CancelOrders = 6,
        CancelAllOrders = 7,
        CloseAndCancelAll = 8,
        MmsGenerated = 9,
        CancelAllOrdersForSymbol = 10,
        CancelAllLongOrders = 11,
        CancelAllShortOrders = 12,
        CloseAllPositions = 13,
        CloseAllLongs = 14,
        CloseAllShorts = 15,
        CloseAndCancelLongs = 16,
        CloseAndCancelShorts = 17,
    };
    Q_ENUM(Type)

    EventReason(Type type = Type(0)) : m_type(type) {}
    /// A free-text reason: type 0 with the text.
    EventReason(const QString &text) : m_type(Type(0)), m_text(text) {}

    Type type() const { return m_type; }
    /// A reason of the table; a free-text reason is not valid.
    bool isValid() const { return m_type != Type(0); }

    /// Compare the reason only, so two free-text reasons are always equal.
    bool operator==(const EventReason &other) const { return m_type == other.m_type; }
    bool operator!=(const EventReason &other) const { return m_type != other.m_type; }

    /// The translated text of the reason, or the free text; a reason outside the table reports
    /// and gives an empty text.
    QString toString() const;
    /// The saved text: the number and the free text, "reason:free text" ("5:", "0:my text").
    /// Reading one back gives the free-text reason for the number 0 (or no number), else the
    /// reason of the number.
    QString toSaveableString() const;
    void fromSaveableString(const QString &text);

private:
    Type m_type;
    QString m_text;
};

/// For logs and failing comparisons: Trade::EventSource(Chart, MouseLeftClick, logged).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const EventSource &source);
/// For logs and failing comparisons: Trade::EventReason(CancelOrder), Trade::EventReason("free text").
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const EventReason &reason);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::EventSource)
Q_DECLARE_METATYPE(Trade::EventReason)
