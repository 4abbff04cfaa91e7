// Values, enumerations and records as QDebug streams them, which a failing QCOMPARE prints. Streaming never reports.
#include <testsupport/reportrecorder.h>

#include <typekit/averageprice.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/eventsource.h>
#include <typekit/log/logcategory.h>
#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderrecord.h>
#include <typekit/percent.h>
#include <typekit/position/tradeside.h>
#include <typekit/pricelevels.h>
#include <typekit/profit.h>
#include <typekit/rational.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/version.h>

#include <QtCore/QMetaEnum>
#include <QtTest/QtTest>

#include "printed.h"
#include <samplehost/market.h>

using namespace Trade;

using Printer = QString (*)(int);
using Names = QMap<int, QString>;
Q_DECLARE_METATYPE(Printer)

namespace {

// The enumerators from the class's meta-data (so one added later is in its row), less the prefix the stream drops.
template <typename Enum>
Names enumerators(const QString &prefix = QString())
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    Names names;
    for (int i = 0; i < meta.keyCount(); ++i) {
        const QString key = QString::fromLatin1(meta.key(i));
        names.insert(meta.value(i), key.startsWith(prefix) ? key.mid(prefix.size()) : key);
    }
    return names;
}

// Names by value from `first` on, in a list where "-" stands for a value no enumerator has.
Names listed(const char *names, int first = 0)
{
    Names listed;
    for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' ')))
        listed.insert(first++, name);
    listed.removeIf([](auto entry) { return entry.value() == QLatin1String("-"); });
    return listed;
}

template <typename Class, typename Enum>
void addEnumeration(const char *className, const Names &names = enumerators<Enum>())
{
    QTest::addRow("%s", className) << Printer([](int v) { return printed(Class(Enum(v))); })
                                   << QString(QLatin1String(className) + QLatin1String("(%1)")) << names;
}

} // namespace

class tst_DebugStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // Each enumerator streams by its name; values from the first to one past the last without one, as their numbers.
    void enumerations_data()
    {
        QTest::addColumn<Printer>("print");
        QTest::addColumn<QString>("format");
        QTest::addColumn<Names>("names");

        addEnumeration<OrderAction, OrderAction::Type>("Trade::OrderAction");
        addEnumeration<OrderCategory, OrderCategory::Type>("Trade::OrderCategory");
        addEnumeration<OrderExpiry, OrderExpiry::Type>("Trade::OrderExpiry");
        addEnumeration<BracketCategory, BracketCategory::Type>("Trade::BracketCategory");
        addEnumeration<OrderState, OrderState::Type>("Trade::OrderState");
        addEnumeration<TradeSide, TradeSide::Type>("Trade::TradeSide");
        addEnumeration<ConnectionState, ConnectionState::Type>("Trade::ConnectionState");
        addEnumeration<LogCategory, LogCategory::Type>("Trade::LogCategory");
        addEnumeration<Pyramid, Pyramid::Type>("Trade::Pyramid");
        addEnumeration<EventSource, EventSource::Source>("Trade::EventSource");
        addEnumeration<EventReason, EventReason::Type>("Trade::EventReason");
        addEnumeration<Common::InvocationType, Common::InvocationType::Code>("Common::InvocationType");

        // Without a reason (0) a state streams alone, as the OrderState row shows.
        Names reasons = enumerators<OrderState::Reason>(QStringLiteral("reason"));
        reasons.remove(OrderState::reasonUnknown);
        QTest::addRow("Trade::OrderState::Reason")
            << Printer([](int v) { return printed(OrderState(OrderState::Completed, OrderState::Reason(v))); })
            << QStringLiteral("Trade::OrderState(Completed, %1)") << reasons;
        QTest::addRow("Trade::StopStrategyLevel::Type")
            << Printer([](int v) { return printed(StopStrategyLevel(0, 0, 0, StopStrategyLevel::Type(v))); })
            << QStringLiteral("Trade::StopStrategyLevel(%1, frequency: 0, trigger: 0, stop: 0)")
            << enumerators<StopStrategyLevel::Type>(QStringLiteral("type"));

        // No meta-data for these two (the compiler checks the stream's switch): their names, gaps included.
        addEnumeration<SymbolCategory, Symbology::KorSymbolType>(
            "Trade::SymbolCategory",
            listed("Undefined Bond Forex Future FutureContinuous FutureContinuousAdjusted "
                   "FutureForward FutureOption - FutureSpot Spread - - Index Stock StockOption - "
                   "UserDefinedSpread MutualFund MoneyFund - - - Dictionary"));
        addEnumeration<Currency, DataApi::CurrencyType>("Trade::Currency", listed("USD EUR GBP JPY CHF CAD AUD", 1));
    }

    void enumerations()
    {
        QFETCH(Printer, print);
        QFETCH(QString, format);
        QFETCH(Names, names);
        QVERIFY(!names.isEmpty());

        ReportRecorder reports;
        for (int value = names.firstKey(); value <= names.lastKey() + 1; ++value)
            QCOMPARE(print(value), format.arg(names.value(value, QString::number(value))));
        QCOMPARE(reports.count(), 0);
    }

    void streamed()
    {
        Sample::Market market;
        Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
        scaled.setPriceMultiplier(100.0);
        ReportRecorder reports;
        const AveragePrice unbound(5012.3125, nullptr); // reports the missing symbol; streaming it does not
        reports.clear();

        // Streaming never asks what would report; a gesture or flag follows the value.
        EventSource logged(EventSource::QuoteBoard, Common::InvocationType(Common::InvocationType::HotKey));
        logged.setLogged(true);
        QCOMPARE(printed(logged), u"Trade::EventSource(QuoteBoard, HotKey, logged)");
        QCOMPARE(printed(EventReason(QStringLiteral("weekly"))), u"Trade::EventReason(\"weekly\")");

        QCOMPARE(printed(Price(0.1)), u"Trade::Price(0.1)");
        QCOMPARE(printed(Price(&market.es)), u"Trade::Price(no value on ESZ26)");
        QCOMPARE(printed(Quantity(300.0, &market.es)), u"Trade::Quantity(300 on ESZ26)");
        QCOMPARE(printed(Quantity()), u"Trade::Quantity(no value)");
        Profit profit = Profit::fromMoney(-125.5, &market.es);
        profit.setCurrency(DataApi::currencyEUR);
        QCOMPARE(printed(profit), u"Trade::Profit(-125.5 EUR on ESZ26)");
        QCOMPARE(printed(Profit()), u"Trade::Profit(no value)");
        QCOMPARE(printed(AveragePrice(0.050125, &scaled)), u"Trade::AveragePrice(5.0125 on SCALED)");
        QCOMPARE(printed(unbound), u"Trade::AveragePrice(5012.3125)");
        QCOMPARE(printed(Percent(12.5)), u"Trade::Percent(12.5%)");
        QCOMPARE(printed(Percent()), u"Trade::Percent(no value)");
        Rational rational;
        rational.addDenominator(4.0);
        QCOMPARE(printed(rational), u"Trade::Rational(no value / 4)");
        QCOMPARE(printed(Common::Nullable<double>(2.5)), u"Common::Nullable(2.5)");
        QCOMPARE(printed(Version(12, 0, 3598, 1040)), u"Trade::Version(12.0.3598.1040)");
        QCOMPARE(printed(Version()), u"Trade::Version(invalid)");

        QCOMPARE(printed(PriceLevels{Price(5012.25, &market.es), Price(), true}),
                 u"Trade::PriceLevels(Trade::Price(5012.25 on ESZ26), Trade::Price(no value), flag)");
        QCOMPARE(printed(ExitStrategyLevels{ExitStrategyLevel(0, 8, 0, nullptr)}),
                 u"Trade::ExitStrategyLevels(Trade::ExitStrategyLevel(quantity: 0, profit: 8, stop: 0))");
        StopStrategyLevels stops;
        stops << StopStrategyLevel(0, 2, 0, StopStrategyLevel::typeTrailing)
              << StopStrategyLevel(1, 0, 3, StopStrategyLevel::typeStop);
        QCOMPARE(printed(stops),
                 u"Trade::StopStrategyLevels(Trade::StopStrategyLevel(Trailing, frequency: 0, trigger: 2, stop: 0), "
                 u"Trade::StopStrategyLevel(Stop, frequency: 1, trigger: 0, stop: 3))");

        OrderRecord order;
        order.setSymbol(&market.es);
        order.setAccount(&market.account);
        order.setAction(OrderAction::Buy);
        order.setLimitPrice(Price(5012.25, &market.es));
        order.setId(QStringLiteral("A-1"));
        order.setEmptyExitStrategyTemplate();
        QCOMPARE(printed(order),
                 u"Trade::OrderRecord(Order.Account: Trade::IAccount(SIM-1), Order.Action: Trade::OrderAction(Buy), "
                 u"Order.ExitStrategyTemplate: QVariant(Invalid), Order.Id: \"A-1\", "
                 u"Order.LimitPrice: Trade::Price(5012.25 on ESZ26), Order.Symbol: Trade::ISymbol(ESZ26))");
        QCOMPARE(printed(static_cast<const ISymbol *>(nullptr)), u"Trade::ISymbol(0x0)");

        QString spaced;
        QDebug(&spaced) << 1 << OrderAction(OrderAction::Sell) << 2;
        QCOMPARE(spaced, u"1 Trade::OrderAction(Sell) 2 ");
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DebugStream)
#include "tst_debugstream.moc"
