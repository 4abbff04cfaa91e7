#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <typekit/averageprice.h>
#include <typekit/profit.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "relations.h"
#include "rows.h"

using namespace Trade;

// es has a point value of 50, nq one of 20.
class tst_Profit : public QObject
{
    Q_OBJECT

    struct World : Sample::Market
    {
        Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
        World() { scaled.setPriceMultiplier(100.0); }
    };
    World market;

private Q_SLOTS:

    void moneyArithmeticAndComparisons()
    {
        Profit a = Profit::fromMoney(10.0, &market.es);
        a.setCurrency(Currency(DataApi::currencyEUR));
        const Profit b = Profit::fromMoney(4.0, &market.es);
        ReportRecorder reports;
        QCOMPARE(Profit::fromTicks(3, &market.es).money(), 37.5);
        QCOMPARE(Profit::fromMoney(43.75, &market.es).ticks(), qint64(4)); // 3.5 ticks round away from zero
        Profit profit = Profit::fromMoney(-1234.5, &market.es);
        profit.setCurrency(Currency(DataApi::currencyUSD));
        QCOMPARE(profit.toString(), QStringLiteral("-1234.50")); // the sample host writes no currency
        QCOMPARE(Profit().toString(), QString());
        QCOMPARE(int(DataApi::CurrencyType((a + b).currency())), 0); // a sum is in the default currency
        QCOMPARE(int(DataApi::CurrencyType((a + Profit()).currency())), int(DataApi::currencyEUR)); // only a usable: a
        QVERIFY(!(Profit() - Profit()).hasValue());
        // An operand without value is left out (Profit() - b is -b); mixed symbols are reported, added all the same.
        const std::pair<Profit, double> results[] = {
            {a + b, 14.0},       {a - b, 6.0},         {a - Profit(), 10.0},
            {Profit() + b, 4.0}, {Profit() - b, -4.0}, {a + Profit::fromMoney(1.0, &market.nq), 11.0}};
        for (const auto &[result, money] : eachRow(results))
            QCOMPARE(result.money(), money);

        // Money compares in steps of 1e-10; without symbols all profits are equal, yet ordered; no value is least.
        const Profit base = Profit::fromMoney(100.0, &market.es);
        const std::tuple<Profit, Profit, const char16_t *> profits[] = {
            {base, Profit::fromMoney(100.0 + 4e-11, &market.es), u"== <= >="},
            {base, Profit::fromMoney(100.0 + 1e-9, &market.es), u"!= < <="},
            {Profit::fromMoney(100.0 + 1e-9, &market.es), base, u"!= > >="},
            {Profit(), Profit::fromMoney(5.0, nullptr), u"== < <="},
            {Profit(&market.es), Profit::fromMoney(-5.0, &market.es), u"!= < <="},
            {Profit::fromMoney(-5.0, &market.es), Profit(&market.es), u"!= > >="},
            {Profit(&market.es), Profit(&market.nq), u"== <= >="},
            {base, Profit::fromMoney(100.0, nullptr), u"!= > >="}};
        for (const auto &[left, right, holding] : eachRow(profits))
            QCOMPARE(relations(left, right), holding);

        // Average prices compare within 1e-10, the tolerance itself included.
        const AveragePrice average(101.13, &market.es), unset(&market.es);
        const std::tuple<AveragePrice, AveragePrice, const char16_t *> averages[] = {
            {average, AveragePrice(101.13 + 1e-9, &market.es), u"!= < <="},
            {unset, AveragePrice(&market.es), u"== <= >="},
            {AveragePrice(0.0, &market.es), AveragePrice(1e-10, &market.es), u"== <= >="},
            {unset, AveragePrice(-5.0, &market.es), u"!= < <="},
            {AveragePrice(-5.0, &market.es), unset, u"!= > >="}};
        for (const auto &[left, right, holding] : eachRow(averages))
            QCOMPARE(relations(left, right), holding);

        const QString file = QStringLiteral("profit");
        Profit none(&market.es);
        QCOMPARE(none.money(), 0.0);
        QCOMPARE(none.ticks(), qint64(0));
        none.setSymbol(nullptr); // the previous symbol stays
        QCOMPARE(none.symbol(), &market.es);
        Profit orphan;
        orphan.setTicks(2); // no tick value without a symbol: unchanged
        QVERIFY(!orphan.hasValue());
        QCOMPARE(reports.lines(),
                 QStringList(
                     {ReportRecorder::line(file, u"Trade::Profit::operator +", u"symbol() == other.symbol()"),
                      ReportRecorder::line(file, u"Trade::Profit::money", u"false && \"profit has no value\""),
                      ReportRecorder::line(file, u"Trade::Profit::ticks", u"false && \"profit has no value\""),
                      ReportRecorder::line(file, u"Trade::Profit::setSymbol", u"false && \"invalid argument symbol\""),
                      ReportRecorder::line(file, u"Trade::Profit::symbol", u"hasSymbol()",
                                           ReportRecorder::quoted(u"invalid symbol"))}));
    }

    void profitConverter()
    {
        ReportRecorder reports;
        ProfitConverter converter;
        const Variant context = Variant::fromValue<ISymbol *>(&market.nq);
        const auto made = [&](const Variant &value) {
            return converter.fromVariant(value, context).strongValue<Profit>();
        };
        Profit euros = Profit::fromMoney(12.5, &market.es);
        euros.setCurrency(Currency(DataApi::currencyEUR));
        const Profit rebased = made(Variant::fromValue(euros));
        QVERIFY(rebased.money() == 12.5 && rebased.symbol() == &market.nq);
        QCOMPARE(int(DataApi::CurrencyType(rebased.currency())), 0); // the money, not the currency
        QCOMPARE(made(Variant(QStringLiteral("7.25"))).money(), 7.25);
        QCOMPARE(made(Variant(-2.5)).money(), -2.5);
        for (const Variant &none :
             eachRow(std::array{Variant(QStringLiteral("seven")), Variant::fromValue(Profit(&market.es)), Variant(3)}))
            QVERIFY(!made(none).hasValue());
        const Profit zero = Profit::fromMoney(0.0, &market.es);
        const std::tuple<Profit, Profit, int> orders[] = {{zero, Profit::fromMoney(1e-17, &market.es), 0},
                                                          {zero, Profit::fromMoney(1e-15, &market.es), -1},
                                                          {euros, Profit(), 1}};
        for (const auto &[left, right, order] : eachRow(orders))
            QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(right)), order);

        for (const Profit &profit : eachRow(std::array{euros, Profit(&market.es)})) {
            const Dump saved = Variant::fromValue(profit).save();
            for (const Dump &form : eachRow(std::array{saved, Dump::fromJson(saved.toJsonIndented())})) {
                const Profit back = Variant::load(form, Variant()).strongValue<Profit>();
                QCOMPARE(back.symbol(), &market.es);
                QVERIFY(back == profit);
            }
        }
        QCOMPARE(reports.count(), 0);

        // Without a symbol member it loads without symbol; saved again, it settles on the context's.
        Dump::Struct bare(QStringLiteral("Trade::Profit"));
        bare.insert(QStringLiteral("value"), Variant(3.5).save());
        const Variant back = Variant::load(Dump(bare), context);
        QVERIFY(!back.strongValue<Profit>().hasSymbol() && back.strongValue<Profit>().money() == 3.5);
        const Variant settled = Variant::load(back.save(), context);
        QCOMPARE(settled.strongValue<Profit>().symbol(), &market.nq);
        bare.insert(QStringLiteral("value"), Dump(Dump::Atom(QStringLiteral("double"), QStringLiteral("inf"))));
        QVERIFY(!Variant::load(Dump(bare), context).strongValue<Profit>().hasValue()); // no number
    }

    void averagePrice()
    {
        ReportRecorder reports;
        const AveragePrice average(101.13, &market.es); // off the grid
        QCOMPARE(average.toPrice().value(), 101.25);
        QCOMPARE(average.toString(), QStringLiteral("101.1300"));

        // Stored unscaled, negated on the same scale; an operand without value counts as 0, after the report.
        const AveragePrice onScaled(1.0113, &market.scaled), none(&market.es);
        const std::pair<AveragePrice, double> results[] = {
            {average, 101.13},         {onScaled, 101.13},
            {-onScaled, -101.13},      {onScaled - AveragePrice(0.0113, &market.scaled), 100.0},
            {onScaled + 0.87, 102.0},  {average + none, 101.13},
            {none + average, 101.13},  {average - none, 101.13},
            {none - average, -101.13}, {none + 1.0, 1.0},
            {none - 1.0, -1.0}};
        for (const auto &[result, value] : eachRow(results))
            QCOMPARE(result.value(), value);
        const QString file = QStringLiteral("averageprice");
        const QString noValue =
            ReportRecorder::line(file, u"Trade::AveragePrice::value", u"hasValue() && \"average price has no value\"");
        QCOMPARE(AveragePrice().value(), 0.0);
        QCOMPARE((average + AveragePrice(1.0, &market.nq)).value(), 102.13);

        // The converter takes doubles and average prices, never makes a plain variant: saved, one loads without value.
        AveragePriceConverter converter;
        const Variant context = Variant::fromValue<ISymbol *>(&market.scaled);
        const auto made = [&](const Variant &value) {
            return converter.fromVariant(value, context).strongValue<AveragePrice>();
        };
        QCOMPARE(made(Variant(1.0113)).value(), 101.13);
        QCOMPARE(made(Variant::fromValue(average)).value(), 101.13);
        QVERIFY(!converter.fromVariant(Variant(1.0), Variant()).isValid());
        QVERIFY(!made(Variant::fromValue(none)).hasValue());
        const AveragePrice loaded =
            Variant::load(Variant::fromValue(average).save(), Variant()).strongValue<AveragePrice>();
        QVERIFY(!loaded.hasValue());
        QCOMPARE(loaded.symbol(), &market.es);
        QCOMPARE(reports.lines(),
                 QStringList(7, noValue)
                     + QStringList({ReportRecorder::line(file, u"Trade::AveragePrice::value",
                                                         u"hasSymbol() && \"average price has no valid symbol\""),
                                    ReportRecorder::line(file, u"Trade::AveragePrice::operator +=",
                                                         u"isCompatible(price) && \"incompatible price\""),
                                    ReportRecorder::line(
                                        file, u"Trade::AveragePriceConverter::toVariant",
                                        u"false && \"conversion of average prices to CComVariant is not supported\""),
                                    ReportRecorder::line(file, u"Trade::AveragePriceConverter::fromVariant",
                                                         u"false && \"conversion from this type is not supported\"")}));
    }
};

QTEST_GUILESS_MAIN(tst_Profit)
#include "tst_profit.moc"
