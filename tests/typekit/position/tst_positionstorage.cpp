#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <typekit/position/ipositionstorage.h>
#include <typekit/position/tradeside.h>
#include <typekit/order/orderrecord.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <cmath>
#include <memory>
#include <optional>

using namespace Trade;

namespace {

using Number = std::optional<double>;

// One position's figures on the test future; an unset optional leaves the entry out.
struct Figures
{
    Number lots, openProfit, invested, price;
    std::optional<qint64> pullBack;
    bool null = false; // a null position in the container
};

Figures returning(Number lots, Number openProfit, Number invested)
{
    return {lots, openProfit, invested, std::nullopt, std::nullopt, false};
}

Figures pullingBack(Number lots, std::optional<qint64> ticks, Number price)
{
    return {lots, std::nullopt, std::nullopt, price, ticks, false};
}

const Figures nullPosition{std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, true};

struct Statistic
{
    Common::Nullable<double> (*of)(const Container<IPosition *> &);
    QVector<Figures> figures;
    Number expected;
};

} // namespace

Q_DECLARE_METATYPE(Statistic)

class tst_PositionStorage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;

    Container<IPosition *> positions(const QVector<Figures> &figures)
    {
        Container<IPosition *> result;
        for (const Figures &figure : figures) {
            auto *position = figure.null ? nullptr : new Sample::Position(&market->es, &market->account);
            result.append(position);
            if (!position)
                continue;
            market->positions.add(std::unique_ptr<Sample::Position>(position));
            if (figure.lots)
                position->setQuantity(Quantity::fromLots(*figure.lots, &market->es));
            if (figure.openProfit || figure.invested) {
                position->setReturn(
                    figure.openProfit ? Profit::fromMoney(*figure.openProfit, &market->es) : Profit(&market->es),
                    figure.invested ? Profit::fromMoney(*figure.invested, &market->es) : Profit(&market->es));
            }
            if (figure.pullBack)
                position->setPullBack(*figure.pullBack);
            if (figure.price)
                position->setPrice(Price(*figure.price, &market->es));
        }
        return result;
    }

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void statistics_data()
    {
        QTest::addColumn<Statistic>("statistic");
        const auto row = [](const char *name, const Statistic &statistic) { QTest::newRow(name) << statistic; };
        const auto returns = &IPositionStorage::percentOfReturnTotal;
        row("return of no positions", {returns, {}, {}});
        row("zero and missing quantities", {returns, {returning(0.0, 10, 100), returning(std::nullopt, 10, 100)}, {}});
        row("10 and 30 over 100 and 300", {returns, {returning(1, 10, 100), returning(-2, 30, 300)}, 10.0});
        row("missing return counts nowhere", {returns, {returning(1, std::nullopt, 100), returning(1, 10, 100)}, 10.0});
        row("missing base counts 0", {returns, {returning(1, 10, 100), returning(1, 10, std::nullopt)}, 20.0});
        row("bases summing to 0", {returns, {returning(1, 10, 100), returning(1, 5, -100)}, {}});
        row("return beside a null position", {returns, {nullPosition, returning(1, 10, 100)}, 10.0});

        // Summed before dividing: (20 + 40) / (400 + 200 ticks) is 10%; either alone, or the mean (5, 20), is not.
        const auto pullBacks = &IPositionStorage::pullBackPercentageTotal;
        row("pull-backs summed over price ticks",
            {pullBacks, {pullingBack(1, 20, 100), pullingBack(-2, 40, 50)}, 10.0});
        row("without price", {pullBacks, {pullingBack(1, 20, std::nullopt), pullingBack(1, 10, 100)}, 2.5});
        row("without pull-back", {pullBacks, {pullingBack(1, std::nullopt, 100), pullingBack(1, 10, 100)}, 2.5});
    }

    void statistics()
    {
        QFETCH(Statistic, statistic);
        const Container<IPosition *> given = positions(statistic.figures);
        ReportRecorder reports;
        const Common::Nullable<double> actual = statistic.of(given);
        QCOMPARE(actual.hasValue(), statistic.expected.has_value());
        if (statistic.expected)
            QCOMPARE(actual.value(), *statistic.expected);
        QCOMPARE(reports.count(), 0); // positions without the data are skipped silently
    }

    void basketSelection()
    {
        Sample::Symbol basket(QStringLiteral("=BASKET1"), Symbology::symbolTypeUserDefinedSpread, 1, 100);
        Sample::Symbol other(QStringLiteral("=BASKET2"), Symbology::symbolTypeUserDefinedSpread, 1, 100);
        Sample::Symbol uncategorized(QStringLiteral("UNCAT"), Symbology::symbolTypeUserDefinedSpread, 1, 100);
        uncategorized.record().remove(market->topics.symbol().categoryField());
        Sample::Symbol undefined(QStringLiteral("UNDEF"), Symbology::symbolTypeUndefined, 1, 100);

        Sample::Account &account = market->account;
        Sample::Position first(&basket, &account), future(&market->es, &account), second(&other, &account),
            noCategory(&uncategorized, &account), noSymbol(nullptr, &account), undefinedCategory(&undefined, &account);
        Container<IPosition *> all;
        for (IPosition *position : std::initializer_list<IPosition *>{&first, &future, nullptr, &second, &noCategory,
                                                                      &noSymbol, &undefinedCategory})
            all.append(position);

        ReportRecorder reports;
        const Container<IPosition *> baskets = IPositionStorage::selectBasketPositions(all);
        QCOMPARE(QList<IPosition *>(baskets.begin(), baskets.end()), QList<IPosition *>({&first, &second}));
        QCOMPARE(reports.reports().size(), 1); // the category that is set but no category
        QCOMPARE(reports.reports().first().function, QStringLiteral("Trade::IDictionaryVisibleSymbol::category"));
    }

    // A value outside the three sides is none of them and shows nothing, silently.
    void tradeSides()
    {
        ReportRecorder reports;
        QStringList shown; // long, short, flat, text
        for (int type = 0; type <= 4; ++type) {
            const TradeSide side{TradeSide::Type(type)};
            shown << QString::asprintf("%d%d%d", side.isLong(), side.isShort(), side.isFlat()) + side.toString();
        }
        QCOMPARE(shown.join(u','), QStringLiteral("000,100Long,010Short,001Flat,000"));
        QVERIFY(TradeSide(true) == TradeSide::Long && TradeSide(false) == TradeSide::Short);
        QCOMPARE(reports.count(), 0);
    }

    // Close and reverse: the other side at market, for the day, the whole holding; none when flat or locked.
    void closeAndReverseOrders()
    {
        using A = OrderAction;
        // lots, locked, close, reverse
        const std::tuple<double, bool, A::Type, A::Type> rows[] = {{2, false, A::Sell, A::SellShort},
                                                                   {-3, false, A::BuyToCover, A::Buy},
                                                                   {0, false, {}, {}},
                                                                   {2, true, {}, {}}};
        for (const auto &[lots, locked, close, reverse] : eachRow(rows)) {
            Sample::Position position(&market->es, &market->account);
            position.setQuantity(Quantity::fromLots(lots, &market->es));
            position.setLocked(locked);
            QCOMPARE(position.canReverse(), close != A::Type());
            for (const auto &[order, type] :
                 {std::pair(position.closeOrder(), close), std::pair(position.reverseOrder(), reverse)}) {
                QCOMPARE(order.hasAction(), type != A::Type());
                if (!order.hasAction())
                    continue;
                QCOMPARE(order.action().type(), type);
                QCOMPARE(order.quantity(), Quantity::fromLots(std::fabs(lots), &market->es));
                QVERIFY(order.category().type() == OrderCategory::Market
                        && order.expiry().type() == OrderExpiry::DayOrder && order.symbol() == &market->es
                        && order.account() == &market->account);
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_PositionStorage)
#include "tst_positionstorage.moc"
