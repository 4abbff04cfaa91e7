// Profits in money and ticks, and average prices off the tick grid.
#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/averageprice.h>
#include <typekit/profit.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

class tst_Profit : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};
    Sample::Symbol nq{QStringLiteral("NQZ26"), Symbology::symbolTypeFuture, 25, 100, 20.0};
    Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};

private slots:
    void initTestCase() { scaled.setPriceMultiplier(100.0); }

    void ticksAndMoney()
    {
        ReportRecorder reports;
        QCOMPARE(Profit::fromTicks(3, &es).money(), 37.5);
        QCOMPARE(Profit::fromMoney(43.75, &es).ticks(), qint64(4));   // 3.5 ticks round away from zero
        QCOMPARE(Profit::fromMoney(-43.75, &es).ticks(), qint64(-4));
        Profit profit = Profit::fromMoney(-1234.5, &es);
        profit.setCurrency(Currency(DataApi::currencyUSD));
        QCOMPARE(profit.toString(), QStringLiteral("-1,234.50 USD"));
        QCOMPARE(Profit().toString(), QString());
        QCOMPARE(reports.count(), 0);
    }

    void comparisons()
    {
        const Profit base = Profit::fromMoney(100.0, &es);
        QVERIFY(base == Profit::fromMoney(100.0 + 4e-11, &es));
        QVERIFY(base != Profit::fromMoney(100.0 + 1e-9, &es));
        QVERIFY(base < Profit::fromMoney(100.0 + 1e-9, &es));
        QVERIFY(Profit() == Profit::fromMoney(5.0, nullptr));  // without symbols all profits are equal
        QVERIFY(Profit(&es) < base && Profit(&es) == Profit(&nq));
        QVERIFY(base != Profit::fromMoney(100.0, nullptr));
        QVERIFY(base >= base && base <= base && !(base > base));
    }

    void arithmetic()
    {
        Profit a = Profit::fromMoney(10.0, &es);
        a.setCurrency(Currency(DataApi::currencyEUR));
        const Profit b = Profit::fromMoney(4.0, &es);
        ReportRecorder reports;
        const Profit sum = a + b;
        QCOMPARE(sum.money(), 14.0);
        QCOMPARE(int(DataApi::CurrencyType(sum.currency())), 0);  // a sum is in the default currency
        QCOMPARE((a - b).money(), 6.0);
        QCOMPARE(int(DataApi::CurrencyType((a + Profit()).currency())), int(DataApi::currencyEUR));  // only a usable: a
        QCOMPARE((a - Profit()).money(), 10.0);
        QCOMPARE((Profit() + b).money(), 4.0);
        QCOMPARE((Profit() - b).money(), -4.0);  // only the right one usable: 0 - b
        QVERIFY(!(Profit() - Profit()).hasValue());
        QCOMPARE(reports.count(), 0);

        QCOMPARE((a + Profit::fromMoney(1.0, &nq)).money(), 11.0);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"profit", u"Trade::Profit::operator +", u"symbol() == other.symbol()")});
    }

    void profitReports()
    {
        const QString file = QStringLiteral("profit");
        ReportRecorder reports;
        Profit profit(&es);
        QCOMPARE(profit.money(), 0.0);
        QCOMPARE(profit.ticks(), qint64(0));
        profit.setSymbol(nullptr);  // the previous symbol stays
        QCOMPARE(profit.symbol(), &es);
        Profit orphan;
        orphan.setTicks(2);  // no tick value without a symbol: unchanged
        QVERIFY(!orphan.hasValue());
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(file, u"Trade::Profit::money", u"false && \"profit has no value\""),
                              ReportRecorder::line(file, u"Trade::Profit::ticks", u"false && \"profit has no value\""),
                              ReportRecorder::line(file, u"Trade::Profit::setSymbol", u"false && \"invalid argument symbol\""),
                              ReportRecorder::line(file, u"Trade::Profit::symbol", u"hasSymbol()", ReportRecorder::quoted(u"invalid symbol"))}));
    }

    void profitConverter()
    {
        ProfitConverter converter;
        const Variant context = Variant::fromValue<ISymbol *>(&nq);
        Profit euros = Profit::fromMoney(12.5, &es);
        euros.setCurrency(Currency(DataApi::currencyEUR));
        const Profit made = converter.fromVariant(Variant::fromValue(euros), context).strongValue<Profit>();
        QCOMPARE(made.money(), 12.5);
        QCOMPARE(made.symbol(), &nq);
        QCOMPARE(int(DataApi::CurrencyType(made.currency())), 0);  // the money, not the currency
        QCOMPARE(converter.fromVariant(Variant(QStringLiteral("7.25")), context).strongValue<Profit>().money(), 7.25);
        QVERIFY(!converter.fromVariant(Variant(QStringLiteral("seven")), context).strongValue<Profit>().hasValue());
        QCOMPARE(converter.compare(Variant::fromValue(Profit::fromMoney(0.0, &es)), Variant::fromValue(Profit::fromMoney(1e-17, &es))), 0);
        QCOMPARE(converter.compare(Variant::fromValue(Profit::fromMoney(0.0, &es)), Variant::fromValue(Profit::fromMoney(1e-15, &es))), -1);
        QCOMPARE(converter.compare(Variant::fromValue(euros), Variant::fromValue(Profit())), 1);

        const Profit loaded = Variant::load(Dump::fromJson(Variant::fromValue(euros).save().toJsonIndented()), Variant())
                                  .strongValue<Profit>();
        QCOMPARE(loaded.symbol(), &es);
        QCOMPARE(loaded.money(), 12.5);

        // Without value, it loads back without value, in memory as through JSON, and silently.
        ReportRecorder reports;
        const Dump none = Variant::fromValue(Profit(&es)).save();
        for (const Dump &form : {none, Dump::fromJson(none.toJsonIndented())}) {
            const Profit back = Variant::load(form, Variant()).strongValue<Profit>();
            QVERIFY(!back.hasValue());
            QCOMPARE(back.symbol(), &es);
        }
        QCOMPARE(reports.count(), 0);

        // A symbol member that is missing or names none reads as a saved null symbol, which the
        // sample host finds as the context's: the profit loads as its own saved form then does.
        Dump::Struct bare(none.typeName());
        bare.insert(QStringLiteral("value"), Variant(3.5).save());
        Dump::Struct numbered = bare;
        numbered.insert(QStringLiteral("symbol"), Variant(7).save());
        Dump::Struct infinite = numbered;
        infinite.insert(QStringLiteral("value"), Dump(Dump::Atom(QStringLiteral("double"), QStringLiteral("inf"))));
        QVERIFY(!Variant::load(Dump(infinite), context).strongValue<Profit>().hasValue());  // no number
        for (const Dump &form : {Dump(bare), Dump(numbered)}) {
            const Variant back = Variant::load(form, context);
            QCOMPARE(back.strongValue<Profit>().symbol(), &nq);
            QVERIFY(Variant::load(back.save(), context) == back);
        }
    }

    void averagePrice()
    {
        ReportRecorder reports;
        const AveragePrice average(101.13, &es);
        QCOMPARE(average.value(), 101.13);  // off the grid
        QCOMPARE(average.toPrice().value(), 101.25);
        QCOMPARE(average.toString(), QStringLiteral("101.1300"));
        QVERIFY(average == AveragePrice(101.13 + 5e-11, &es));
        QVERIFY(average != AveragePrice(101.13 + 1e-9, &es));
        QVERIFY(average < AveragePrice(101.13 + 1e-9, &es));
        const AveragePrice none(&es);
        QVERIFY(none == AveragePrice(&es) && none != average && none < average && !(average < none) && !(none < none));

        const AveragePrice onScaled(1.0113, &scaled);  // stored unscaled
        QCOMPARE(onScaled.value(), 101.13);
        QCOMPARE((-onScaled).value(), -101.13);  // negation keeps the scale
        QCOMPARE((onScaled - AveragePrice(0.0113, &scaled)).value(), 100.0);
        QCOMPARE((onScaled + 0.87).value(), 102.0);
        QCOMPARE(reports.count(), 0);

        const QString file = QStringLiteral("averageprice");
        QCOMPARE(AveragePrice().value(), 0.0);
        QCOMPARE((average + AveragePrice(1.0, &nq)).value(), 102.13);
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(file, u"Trade::AveragePrice::value", u"hasValue() && \"average price has no value\""),
                              ReportRecorder::line(file, u"Trade::AveragePrice::value", u"hasSymbol() && \"average price has no valid symbol\""),
                              ReportRecorder::line(file, u"Trade::AveragePrice::operator +=", u"isCompatible(price) && \"incompatible price\"")}));
    }

    void averagePriceConverter()
    {
        AveragePriceConverter converter;
        const Variant context = Variant::fromValue<ISymbol *>(&scaled);
        ReportRecorder reports;
        QCOMPARE(converter.fromVariant(Variant(1.0113), context).strongValue<AveragePrice>().value(), 101.13);
        QCOMPARE(converter.fromVariant(Variant::fromValue(AveragePrice(101.13, &es)), context).strongValue<AveragePrice>().value(), 101.13);
        QVERIFY(!converter.fromVariant(Variant(1.0), Variant()).isValid());
        const AveragePrice rebased = converter.fromVariant(Variant::fromValue(AveragePrice(&es)), context).strongValue<AveragePrice>();
        QVERIFY(!rebased.hasValue());
        QCOMPARE(reports.count(), 0);

        // Never a plain variant: saved, it loads back without value.
        const Dump saved = Variant::fromValue(AveragePrice(101.13, &es)).save();
        const AveragePrice loaded = Variant::load(saved, Variant()).strongValue<AveragePrice>();
        QVERIFY(!loaded.hasValue());
        QCOMPARE(loaded.symbol(), &es);
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"averageprice", u"Trade::AveragePriceConverter::toVariant",
                                                   u"false && \"conversion of average prices to CComVariant is not supported\""),
                              ReportRecorder::line(u"averageprice", u"Trade::AveragePriceConverter::fromVariant",
                                                   u"false && \"conversion from this type is not supported\"")}));
    }
};

QTEST_GUILESS_MAIN(tst_Profit)
#include "tst_profit.moc"
