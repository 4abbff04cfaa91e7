// Values, enumerations and records as QDebug streams them, which is also what a failing QCOMPARE
// prints (QTest::toString falls back on the streaming operator). Streaming never reports.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
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

using namespace Trade;

namespace {

// What a failing QCOMPARE prints for the value.
template <typename T>
QString printed(const T &value)
{
    const QScopedArrayPointer<char> text(QTest::toString(value));
    return QString::fromUtf8(text.data());
}

} // namespace

class tst_DebugStream : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};
    Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
    Sample::Account account{QStringLiteral("ACC-1")};

private slots:
    void initTestCase() { scaled.setPriceMultiplier(100.0); }
    void streamed_data();
    void streamed();
};

void tst_DebugStream::streamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("reports");

    ReportRecorder recorder;
    const auto row = [&recorder](const char *name, const QString &text, const char *expected) {
        QTest::newRow(name) << text << QString::fromUtf8(expected) << recorder.count();
        recorder.clear();
    };

    // Enumerators by name, the last of each table included; values that would report when
    // converted or shown stream as their numbers.
    row("action", printed(OrderAction(OrderAction::BuyToCover)), "Trade::OrderAction(BuyToCover)");
    row("no action", printed(OrderAction()), "Trade::OrderAction(0)");
    row("category", printed(OrderCategory(OrderCategory::LimitAtBid)), "Trade::OrderCategory(LimitAtBid)");
    row("expiry", printed(OrderExpiry(OrderExpiry::OPG)), "Trade::OrderExpiry(OPG)");
    row("bracket", printed(BracketCategory()), "Trade::BracketCategory(Unknown)");
    row("filled", printed(OrderState(OrderState::Completed, OrderState::reasonFilled)),
        "Trade::OrderState(Completed, Filled)");
    row("virtual", printed(OrderState(OrderState::Virtual)), "Trade::OrderState(Virtual)");
    row("no state", printed(OrderState()), "Trade::OrderState(0)");
    row("side", printed(TradeSide(TradeSide::Flat)), "Trade::TradeSide(Flat)");
    row("connection", printed(ConnectionState(ConnectionState::Type(9))), "Trade::ConnectionState(9)");
    row("symbol category", printed(SymbolCategory(Symbology::symbolTypeMoneyFund)), "Trade::SymbolCategory(MoneyFund)");
    row("log category", printed(LogCategory(LogCategory::Position)), "Trade::LogCategory(Position)");
    EventSource logged(EventSource::QuoteBoard, Common::InvocationType(Common::InvocationType::HotKey));
    logged.setLogged(true);
    row("event source", printed(logged), "Trade::EventSource(QuoteBoard, HotKey, logged)");
    row("gesture", printed(Common::InvocationType(12)), "Common::InvocationType(12)");
    row("reason", printed(EventReason(EventReason::CloseAndCancelShorts)), "Trade::EventReason(CloseAndCancelShorts)");
    row("free reason", printed(EventReason(QStringLiteral("weekly"))), "Trade::EventReason(\"weekly\")");
    row("pyramid", printed(Pyramid(Pyramid::AdjustQuantityAndPrice)), "Trade::Pyramid(AdjustQuantityAndPrice)");
    row("currency", printed(Currency(DataApi::currencyAUD)), "Trade::Currency(AUD)");

    // Numbers in their shortest exact form; symbols by name.
    row("price", printed(Price(5012.25, &es)), "Trade::Price(5012.25 on ESZ26)");
    row("price without symbol", printed(Price(0.1)), "Trade::Price(0.1)");
    row("price without value", printed(Price(&es)), "Trade::Price(no value on ESZ26)");
    row("quantity", printed(Quantity(300.0, &es)), "Trade::Quantity(300 on ESZ26)");
    row("no quantity", printed(Quantity()), "Trade::Quantity(no value)");
    Profit profit = Profit::fromMoney(-125.5, &es);
    profit.setCurrency(DataApi::currencyEUR);
    row("profit", printed(profit), "Trade::Profit(-125.5 EUR on ESZ26)");
    row("no profit", printed(Profit()), "Trade::Profit(no value)");
    row("average price", printed(AveragePrice(0.050125, &scaled)), "Trade::AveragePrice(5.0125 on SCALED)");
    const AveragePrice unbound(5012.3125, nullptr);  // reports the missing symbol
    recorder.clear();
    row("average price without symbol", printed(unbound), "Trade::AveragePrice(5012.3125)");
    row("percent", printed(Percent(12.5)), "Trade::Percent(12.5%)");
    row("no percent", printed(Percent()), "Trade::Percent(no value)");
    Rational rational;
    rational.addDenominator(4.0);
    row("rational", printed(rational), "Trade::Rational(no value / 4)");
    row("nullable", printed(Common::Nullable<double>(2.5)), "Common::Nullable(2.5)");
    row("version", printed(Version(12, 0, 3598, 1040)), "Trade::Version(12.0.3598.1040)");
    row("invalid version", printed(Version()), "Trade::Version(invalid)");

    // Composites stream their parts.
    row("levels", printed(PriceLevels{Price(5012.25, &es), Price(), true}),
        "Trade::PriceLevels(Trade::Price(5012.25 on ESZ26), Trade::Price(no value), flag)");
    row("exit levels", printed(ExitStrategyLevels{ExitStrategyLevel(0, 8, 0, nullptr)}),
        "Trade::ExitStrategyLevels(Trade::ExitStrategyLevel(quantity: 0, profit: 8, stop: 0))");
    StopStrategyLevels stops;
    stops << StopStrategyLevel(0, 2, 0, StopStrategyLevel::typeTrailing)
          << StopStrategyLevel(1, 0, 3, StopStrategyLevel::typeStop);
    row("stop levels", printed(stops),
        "Trade::StopStrategyLevels(Trade::StopStrategyLevel(Trailing, frequency: 0, trigger: 2, stop: 0), "
        "Trade::StopStrategyLevel(Stop, frequency: 1, trigger: 0, stop: 3))");

    // Records by field identifier, each value by its own operator; an entry without value as Qt
    // shows an empty variant.
    OrderRecord order;
    order.setSymbol(&es);
    order.setAccount(&account);
    order.setAction(OrderAction::Buy);
    order.setLimitPrice(Price(5012.25, &es));
    order.setId(QStringLiteral("A-1"));
    order.setEmptyExitStrategyTemplate();
    row("order", printed(order),
        "Trade::OrderRecord(Order.Account: Trade::IAccount(ACC-1), Order.Action: Trade::OrderAction(Buy), "
        "Order.ExitStrategyTemplate: QVariant(Invalid), Order.Id: \"A-1\", "
        "Order.LimitPrice: Trade::Price(5012.25 on ESZ26), Order.Symbol: Trade::ISymbol(ESZ26))");
    row("no symbol", printed(static_cast<const ISymbol *>(nullptr)), "Trade::ISymbol(0x0)");

    // In a spaced stream, as qDebug() writes, the value is one item among others.
    QString spaced;
    QDebug(&spaced) << 1 << OrderAction(OrderAction::Sell) << 2;
    row("spaced", spaced, "1 Trade::OrderAction(Sell) 2 ");
}

void tst_DebugStream::streamed()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, reports);

    QCOMPARE(text, expected);
    QCOMPARE(reports, 0);
}

QTEST_GUILESS_MAIN(tst_DebugStream)
#include "tst_debugstream.moc"
