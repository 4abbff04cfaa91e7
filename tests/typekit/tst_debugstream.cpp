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

#include <QtTest/QtTest>

#include "printed.h"
#include <samplehost/market.h>

using namespace Trade;

class tst_DebugStream : public QObject
{
    Q_OBJECT

    // A new market for each test, with a symbol whose prices are stored divided by 100.
    struct World : Sample::Market
    {
        Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
        World() { scaled.setPriceMultiplier(100.0); }
    };
    std::unique_ptr<World> market;

private Q_SLOTS:
    void init() { market = std::make_unique<World>(); }
    void cleanup() { market.reset(); }
    void streamed();
};

void tst_DebugStream::streamed()
{
    ReportRecorder reports;
    const AveragePrice unbound(5012.3125, nullptr);  // reports the missing symbol; streaming it does not
    reports.clear();

    // Enumerators by name, the last of each table included; values that would report when
    // converted or shown stream as their numbers.
    QCOMPARE(printed(OrderAction(OrderAction::BuyToCover)), u"Trade::OrderAction(BuyToCover)");
    QCOMPARE(printed(OrderAction()), u"Trade::OrderAction(0)");
    QCOMPARE(printed(OrderCategory(OrderCategory::LimitAtBid)), u"Trade::OrderCategory(LimitAtBid)");
    QCOMPARE(printed(OrderExpiry(OrderExpiry::OPG)), u"Trade::OrderExpiry(OPG)");
    QCOMPARE(printed(BracketCategory()), u"Trade::BracketCategory(Unknown)");
    QCOMPARE(printed(OrderState(OrderState::Completed, OrderState::reasonFilled)), u"Trade::OrderState(Completed, Filled)");
    QCOMPARE(printed(OrderState(OrderState::Virtual)), u"Trade::OrderState(Virtual)");
    QCOMPARE(printed(OrderState()), u"Trade::OrderState(0)");
    QCOMPARE(printed(TradeSide(TradeSide::Flat)), u"Trade::TradeSide(Flat)");
    QCOMPARE(printed(ConnectionState(ConnectionState::Type(9))), u"Trade::ConnectionState(9)");
    QCOMPARE(printed(SymbolCategory(Symbology::symbolTypeMoneyFund)), u"Trade::SymbolCategory(MoneyFund)");
    QCOMPARE(printed(LogCategory(LogCategory::Position)), u"Trade::LogCategory(Position)");
    EventSource logged(EventSource::QuoteBoard, Common::InvocationType(Common::InvocationType::HotKey));
    logged.setLogged(true);
    QCOMPARE(printed(logged), u"Trade::EventSource(QuoteBoard, HotKey, logged)");
    QCOMPARE(printed(Common::InvocationType(12)), u"Common::InvocationType(12)");
    QCOMPARE(printed(EventReason(EventReason::CloseAndCancelShorts)), u"Trade::EventReason(CloseAndCancelShorts)");
    QCOMPARE(printed(EventReason(QStringLiteral("weekly"))), u"Trade::EventReason(\"weekly\")");
    QCOMPARE(printed(Pyramid(Pyramid::AdjustQuantityAndPrice)), u"Trade::Pyramid(AdjustQuantityAndPrice)");
    QCOMPARE(printed(Currency(DataApi::currencyAUD)), u"Trade::Currency(AUD)");

    // Numbers in their shortest exact form; symbols by name.
    QCOMPARE(printed(Price(5012.25, &market->es)), u"Trade::Price(5012.25 on ESZ26)");
    QCOMPARE(printed(Price(0.1)), u"Trade::Price(0.1)");
    QCOMPARE(printed(Price(&market->es)), u"Trade::Price(no value on ESZ26)");
    QCOMPARE(printed(Quantity(300.0, &market->es)), u"Trade::Quantity(300 on ESZ26)");
    QCOMPARE(printed(Quantity()), u"Trade::Quantity(no value)");
    Profit profit = Profit::fromMoney(-125.5, &market->es);
    profit.setCurrency(DataApi::currencyEUR);
    QCOMPARE(printed(profit), u"Trade::Profit(-125.5 EUR on ESZ26)");
    QCOMPARE(printed(Profit()), u"Trade::Profit(no value)");
    QCOMPARE(printed(AveragePrice(0.050125, &market->scaled)), u"Trade::AveragePrice(5.0125 on SCALED)");
    QCOMPARE(printed(unbound), u"Trade::AveragePrice(5012.3125)");
    QCOMPARE(printed(Percent(12.5)), u"Trade::Percent(12.5%)");
    QCOMPARE(printed(Percent()), u"Trade::Percent(no value)");
    Rational rational;
    rational.addDenominator(4.0);
    QCOMPARE(printed(rational), u"Trade::Rational(no value / 4)");
    QCOMPARE(printed(Common::Nullable<double>(2.5)), u"Common::Nullable(2.5)");
    QCOMPARE(printed(Version(12, 0, 3598, 1040)), u"Trade::Version(12.0.3598.1040)");
    QCOMPARE(printed(Version()), u"Trade::Version(invalid)");

    // Composites stream their parts.
    QCOMPARE(printed(PriceLevels{Price(5012.25, &market->es), Price(), true}),
             u"Trade::PriceLevels(Trade::Price(5012.25 on ESZ26), Trade::Price(no value), flag)");
    QCOMPARE(printed(ExitStrategyLevels{ExitStrategyLevel(0, 8, 0, nullptr)}),
             u"Trade::ExitStrategyLevels(Trade::ExitStrategyLevel(quantity: 0, profit: 8, stop: 0))");
    StopStrategyLevels stops;
    stops << StopStrategyLevel(0, 2, 0, StopStrategyLevel::typeTrailing) << StopStrategyLevel(1, 0, 3, StopStrategyLevel::typeStop);
    QCOMPARE(printed(stops), u"Trade::StopStrategyLevels(Trade::StopStrategyLevel(Trailing, frequency: 0, trigger: 2, stop: 0), "
                             u"Trade::StopStrategyLevel(Stop, frequency: 1, trigger: 0, stop: 3))");

    // Records by field identifier, each value by its own operator; an entry without value as Qt
    // shows an empty variant.
    OrderRecord order;
    order.setSymbol(&market->es);
    order.setAccount(&market->account);
    order.setAction(OrderAction::Buy);
    order.setLimitPrice(Price(5012.25, &market->es));
    order.setId(QStringLiteral("A-1"));
    order.setEmptyExitStrategyTemplate();
    QCOMPARE(printed(order), u"Trade::OrderRecord(Order.Account: Trade::IAccount(SIM-1), Order.Action: Trade::OrderAction(Buy), "
                             u"Order.ExitStrategyTemplate: QVariant(Invalid), Order.Id: \"A-1\", "
                             u"Order.LimitPrice: Trade::Price(5012.25 on ESZ26), Order.Symbol: Trade::ISymbol(ESZ26))");
    QCOMPARE(printed(static_cast<const ISymbol *>(nullptr)), u"Trade::ISymbol(0x0)");

    // In a spaced stream, as qDebug() writes, the value is one item among others.
    QString spaced;
    QDebug(&spaced) << 1 << OrderAction(OrderAction::Sell) << 2;
    QCOMPARE(spaced, u"1 Trade::OrderAction(Sell) 2 ");
    QCOMPARE(reports.count(), 0);
}

QTEST_GUILESS_MAIN(tst_DebugStream)
#include "tst_debugstream.moc"
