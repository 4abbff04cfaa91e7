// Prices on their symbols' tick grids: alignment, tolerance, arithmetic, range, texts, reports
// and the converter.
#include <testsupport/reportrecorder.h>

#include <typekit/price.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

#include <cmath>
#include <limits>

using namespace Trade;

// es has a tick of 0.25, msft one of 0.01.
class tst_Price : public QObject, SampleMarket
{
    Q_OBJECT

    Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
    Sample::Symbol spread{QStringLiteral("ESZ26-ESH27"), Symbology::symbolTypeSpread, 25, 100};
    Sample::Symbol unscaled{QStringLiteral("NOSCALE"), Symbology::symbolTypeStock, 1, 100};

    ISymbol *symbolNamed(const QString &name)
    {
        return name.isEmpty() ? nullptr : Sample::Symbol::byName(name);
    }

private slots:
    void initTestCase()
    {
        scaled.setPriceMultiplier(100.0);
        unscaled.record().remove(topics.symbol().userDefinedPriceScaleField());  // not valid
    }

    void alignment_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("input");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("raw");
        QTest::addColumn<qint64>("ticks");

        QTest::addRow("rounds up") << "ESZ26" << 1.13 << 1.25 << 1.25 << qint64(5);
        QTest::addRow("negative") << "ESZ26" << -1.13 << -1.25 << -1.25 << qint64(-5);
        QTest::addRow("half away from zero") << "ESZ26" << 1.125 << 1.25 << 1.25 << qint64(5);
        QTest::addRow("negative half") << "ESZ26" << -1.125 << -1.25 << -1.25 << qint64(-5);
        QTest::addRow("below half") << "ESZ26" << 1.12 << 1.0 << 1.0 << qint64(4);
        QTest::addRow("cents") << "MSFT" << 101.005 << 101.01 << 101.01 << qint64(10101);
        QTest::addRow("multiplier 100") << "SCALED" << 1.25 << 1.25 << 0.0125 << qint64(5);
        QTest::addRow("large") << "ESZ26" << 30000000.25 << 30000000.25 << 30000000.25 << qint64(120000001);
    }

    void alignment()
    {
        QFETCH(QString, symbol);
        QFETCH(double, input);
        QFETCH(double, value);
        QFETCH(double, raw);
        QFETCH(qint64, ticks);

        ReportRecorder reports;
        const Price price(input, symbolNamed(symbol));
        QCOMPARE(price.value(), value);
        QCOMPARE(price.rawNonScaledValue(), raw);
        QCOMPARE(price.ticks(), ticks);
        QVERIFY(price.isValid());
        QCOMPARE(Price(ticks, symbolNamed(symbol)), price);
        QCOMPARE(reports.count(), 0);
    }

    void comparisons_data()
    {
        QTest::addColumn<Price>("left");
        QTest::addColumn<Price>("right");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("less");

        QTest::addRow("no symbols: always equal") << Price(1.0) << Price(2.0) << true << true;
        QTest::addRow("no symbols, close") << Price(1.0) << Price(1.0 + 1e-11) << true << false;
        QTest::addRow("no symbols, apart") << Price(1.0) << Price(1.0 + 1e-9) << true << true;
        QTest::addRow("finer tick decides") << Price(1.25, &es) << Price(1.25, &msft) << true << false;
        QTest::addRow("finer tick apart") << Price(1.25, &es) << Price(1.26, &msft) << false << true;
        QTest::addRow("symbol against none") << Price(1.25, &es) << Price(1.25) << false << false;
        QTest::addRow("no value is least") << Price(&es) << Price(-5.0, &es) << false << true;
        QTest::addRow("two without value") << Price(&es) << Price(&msft) << true << false;
        QTest::addRow("large, one tick apart") << Price(30000000.0, &es) << Price(30000000.25, &es) << false << true;
        QTest::addRow("scaled") << Price(1.25, &scaled) << Price(1.25, &es) << true << false;
    }

    void comparisons()
    {
        QFETCH(Price, left);
        QFETCH(Price, right);
        QFETCH(bool, equal);
        QFETCH(bool, less);

        ReportRecorder reports;
        QCOMPARE(left == right, equal);
        QCOMPARE(left != right, !equal);
        QCOMPARE(left < right, less);
        QCOMPARE(left <= right, less || equal);
        QCOMPARE(left > right, !less && !equal);
        QCOMPARE(left >= right, !less);
        QCOMPARE(reports.count(), 0);
    }

    void arithmetic()
    {
        ReportRecorder reports;
        const Price price(1.25, &es);
        QCOMPARE((price + 0.3).value(), 1.5);
        QCOMPARE((price - 0.3).value(), 1.0);
        QCOMPARE((price + qint64(2)).value(), 1.75);
        QCOMPARE((price - qint64(7)).value(), -0.5);
        QCOMPARE((price / 2.0).value(), 0.5);  // 2.5 ticks truncate to 2
        QCOMPARE((-price).value(), -1.25);
        QCOMPARE((price + Price(2.0, &es)).value(), 3.25);
        QCOMPARE((price - Price(2.0, &es)).value(), -0.75);
        QCOMPARE((10.0 - price).value(), 8.75);
        QCOMPARE((qint64(1) + price).value(), 1.5);
        QCOMPARE((qint64(1) - price).value(), -1.0);
        Price scaledPrice(1.25, &scaled);
        scaledPrice += 0.25;
        QCOMPARE(scaledPrice.value(), 1.5);
        QCOMPARE(scaledPrice.rawNonScaledValue(), 0.015);
        // Negations and differences stay on the grid of unscaled values, whatever the multiplier.
        QCOMPARE((-scaledPrice).value(), -1.5);
        QCOMPARE((scaledPrice - scaledPrice).value(), 0.0);
        QCOMPARE((scaledPrice - Price(0.5, &scaled)).value(), 1.0);
        QCOMPARE(reports.count(), 0);

        // Different symbols: reported, added all the same.
        const Price sum = price + Price(1.0, &msft);
        QCOMPARE(sum.value(), 2.25);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"price", u"Trade::Price::operator +=",
                                                                   u"isCompatible(price) && \"incompatible price\"")});

        // Rebasing onto another grid.
        QCOMPARE(Price(Price(1.13), &es).value(), 1.25);
        QCOMPARE(Price(Price(1.13, &msft), &es).value(), 1.25);
        QCOMPARE(Price(Price(1.25, &es), &scaled).rawNonScaledValue(), 0.0125);
    }

    void outOfRange_data()
    {
        QTest::addColumn<Price>("price");
        QTest::addColumn<bool>("resolved");
        QTest::addColumn<bool>("out");

        QTest::addRow("at the maximum") << Price(1e9) << true << false;
        QTest::addRow("beyond") << Price(1e9 + 1) << true << true;
        QTest::addRow("negative, no symbol") << Price(-5.0) << true << false;
        QTest::addRow("negative stock") << Price(-5.0, &msft) << true << true;
        QTest::addRow("negative, unresolved") << Price(-5.0, &msft) << false << false;
        QTest::addRow("negative spread") << Price(-5.0, &spread) << true << false;
        QTest::addRow("spread floor") << Price(-1e9 - 1, &spread) << true << true;
    }

    void outOfRange()
    {
        QFETCH(Price, price);
        QFETCH(bool, resolved);
        QFETCH(bool, out);

        msft.setResolved(resolved);
        QCOMPARE(price.isOutOfRange(), out);
        msft.setResolved(true);
    }

    void texts()
    {
        ReportRecorder reports;
        QCOMPARE(Price(5012.3, &es).toString(), QStringLiteral("5012.25"));
        QCOMPARE(Price(101.5, &msft).toString(), QStringLiteral("101.50"));
        QCOMPARE(Price(1.0 / 3.0).toString(), QStringLiteral("0.333333"));
        QCOMPARE(Price().toString(), QString());
        QCOMPARE(Price(QStringLiteral(" 5012.30 "), &es).value(), 5012.25);

        Price typed(1.0, &es);
        typed.setValue(QStringLiteral("not a price"));  // the symbol cannot read it: all gone
        QVERIFY(!typed.hasValue() && !typed.hasSymbol());
        QCOMPARE(reports.count(), 0);

        Price without;
        without.setValue(QStringLiteral("1.5"));  // no symbol to read it: unchanged, after the report
        QVERIFY(!without.hasValue());
        QCOMPARE(reports.count(), 1);
    }

    void hugeAndBrokenNumbers()
    {
        // Nothing here may be undefined behaviour: tick counts saturate, NaN counts as 0 ticks.
        ReportRecorder reports;
        const Price huge(1e300, &es);
        QCOMPARE(huge.ticks(), std::numeric_limits<qint64>::max());
        QVERIFY(huge.isOutOfRange());
        const Price hugeNegative(-1e300, &es);
        QCOMPARE(hugeNegative.ticks(), std::numeric_limits<qint64>::min());
        const Price infinite(std::numeric_limits<double>::infinity(), &es);
        QVERIFY(infinite.isOutOfRange());
        const Price notANumber(std::nan(""), &es);
        QCOMPARE(notANumber.ticks(), qint64(0));
        QVERIFY(notANumber == Price(0.0, &es));
        QCOMPARE((Price(1.0, &es) / 0.0).ticks(), std::numeric_limits<qint64>::max());
        Price nearLimit(std::numeric_limits<qint64>::max(), &es);
        nearLimit += qint64(1);  // tick counts stay at the limit
        QCOMPARE(nearLimit.ticks(), std::numeric_limits<qint64>::max());
        QCOMPARE((Price(std::numeric_limits<qint64>::min(), &es) - qint64(1)).ticks(), std::numeric_limits<qint64>::min());
        QCOMPARE(reports.count(), 0);
    }

    void reports()
    {
        const QString file = QStringLiteral("price");
        ReportRecorder reports;
        const Price bare;
        QCOMPARE(bare.symbol(), nullptr);
        QCOMPARE(bare.ticks(), qint64(0));
        QCOMPARE(bare.rawNonScaledValue(), 0.0);
        QVERIFY(!bare.isOutOfRange());
        Price(static_cast<ISymbol *>(nullptr));
        // Without a price scale in its record the symbol is not valid: reported, then aligned with
        // the figures the symbol still answers (here 1 / 1), and read back unaligned.
        const Price onInvalid(1.004, &unscaled);
        QCOMPARE(onInvalid.value(), 1.0);
        QVERIFY(!onInvalid.isValid());
        const QString symbolLine = ReportRecorder::line(file, u"Trade::Price::symbol", u"hasSymbol()",
                                                        ReportRecorder::quoted(u"invalid price symbol"));
        const QString noValue = ReportRecorder::line(file, u"Trade::Price::rawNonScaledValue",
                                                     u"hasValue() && \"price has not value\"");
        QCOMPARE(reports.lines(), QStringList({symbolLine, symbolLine, noValue,
                                               ReportRecorder::line(file, u"Trade::Price::isOutOfRange", u"hasValue()"), noValue,
                                               ReportRecorder::line(file, u"Trade::Price::setSymbol", u"symbol != 0"),
                                               ReportRecorder::line(file, u"Trade::Price::setValue", u"hasValidSymbol()")}));

        // Dividing reads the ticks first, then makes the result on the same (missing) symbol.
        reports.clear();
        QVERIFY(!(bare / 2.0).hasValue());
        QCOMPARE(reports.lines(), QStringList({symbolLine,
                                               ReportRecorder::line(file, u"Trade::Price::setSymbol", u"symbol != 0"),
                                               ReportRecorder::line(file, u"Trade::Price::setValue", u"hasValidSymbol()")}));
    }

    void converter_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("withSymbol");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<double>("result");
        QTest::addColumn<int>("reportCount");

        QTest::addRow("empty") << Variant() << true << false << 0.0 << 0;
        QTest::addRow("no symbol in context") << Variant(1.0) << false << false << 0.0 << 0;
        QTest::addRow("price is rebased") << Variant::fromValue(Price(1.13)) << true << true << 1.25 << 0;
        QTest::addRow("double is unscaled") << Variant(1.13) << true << true << 1.25 << 0;
        QTest::addRow("text is a shown price") << Variant(QStringLiteral("2.6")) << true << true << 2.5 << 0;
        QTest::addRow("ticks are refused") << Variant(3) << true << false << 0.0 << 1;
        QTest::addRow("other types") << Variant(QDate(2026, 1, 1)) << true << false << 0.0 << 0;
    }

    void converter()
    {
        QFETCH(Variant, value);
        QFETCH(bool, withSymbol);
        QFETCH(bool, hasValue);
        QFETCH(double, result);
        QFETCH(int, reportCount);

        PriceConverter converter;
        ReportRecorder reports;
        const Variant made = converter.fromVariant(value, withSymbol ? Variant::fromValue<ISymbol *>(&es) : Variant());
        QCOMPARE(made.isValid(), withSymbol && value.isValid());
        QCOMPARE(made.valueOr(Price()).hasValue(), hasValue);
        if (hasValue)
            QCOMPARE(made.strongValue<Price>().value(), result);
        QCOMPARE(reports.count(), reportCount);

        // The converter compares with the double epsilon, where prices without symbol compare at 1e-10.
        const Variant one = Variant::fromValue(Price(1.0));
        QCOMPARE(converter.compare(one, Variant::fromValue(Price(1.0 + 1e-11))), -1);
        QCOMPARE(converter.compare(one, one), 0);
        QCOMPARE(converter.compare(Variant::fromValue(Price(2.0)), one), 1);
        QCOMPARE(converter.compare(Variant::fromValue(Price()), one), -1);
        QCOMPARE(converter.compare(one, Variant::fromValue(Price())), 1);
        QCOMPARE(converter.compare(Variant::fromValue(Price(&es)), Variant::fromValue(Price(&msft))), 0);
    }

    void saveAndLoad_data()
    {
        QTest::addColumn<Price>("price");
        QTest::addRow("es") << Price(-5012.25, &es);
        QTest::addRow("multiplier 100") << Price(1.25, &scaled);
        QTest::addRow("no value") << Price(&es);
    }

    void saveAndLoad()
    {
        QFETCH(Price, price);
        ReportRecorder reports;
        const Dump saved = Variant::fromValue(price).save();
        QCOMPARE(saved.asStruct().member(QStringLiteral("symbol")).asAtom().value(),
                 static_cast<Sample::Symbol *>(price.symbol())->name());
        for (const Dump &form : {saved, Dump::fromJson(saved.toJsonIndented())}) {
            const Price loaded = Variant::load(form, Variant()).valueOr(Price(99.0));
            QCOMPARE(loaded.symbol(), price.symbol());
            QCOMPARE(loaded.hasValue(), price.hasValue());
            QCOMPARE(loaded, price);
        }
        QCOMPARE(reports.count(), 0);

        // A saved number that is not finite (a file's "nan", "inf" or "1e999") is no number.
        for (const char *number : {"nan", "-inf", "1e999"}) {
            Dump::Struct edited = saved.asStruct();
            edited.insert(QStringLiteral("value"), Dump(Dump::Atom(QStringLiteral("double"), QString::fromLatin1(number))));
            QVERIFY(!Variant::load(Dump(edited), Variant()).strongValue<Price>().hasValue());
        }
    }
};

QTEST_GUILESS_MAIN(tst_Price)
#include "tst_price.moc"
