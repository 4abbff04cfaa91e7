#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <typekit/percent.h>
#include <typekit/rational.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <cmath>
#include <limits>

using namespace Trade;
using NullableDouble = Common::Nullable<double>;

class tst_Percent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values()
    {

        QCOMPARE(double(Percent(200.0, 50.0)), 25.0);
        QVERIFY(Percent(std::nan(""), 50.0).hasValue()); // NaN is not 0.0
        QVERIFY(!Percent(0.0, 50.0).hasValue() && !Percent(QStringLiteral("abc")).hasValue()
                && !Percent(NullableDouble()).hasValue());
        QCOMPARE(double(Percent(NullableDouble(3.0))), 3.0);
        QVERIFY((Percent() = 7.0) == 7.0);

        QVERIFY(Percent() == Percent(0.0, 1.0));         // both keep the default's stored value
        QVERIFY(Percent() != Percent(NullableDouble())); // stored 0.9 against 0.0
        QVERIFY(Percent(5.0) == 5.0 && Percent(5.0) != 6.0 && Percent() != 0.9 && !(Percent() == 0.9));

        Rational ratio;
        QVERIFY(ratio.valueAsPercentage().isNull());
        ratio.addNumerator(1);
        ratio.addNumerator(2);
        QVERIFY(ratio.valueAsPercentage().isNull()); // numerators only
        ratio.addDenominator(12);
        QCOMPARE(ratio.valueAsPercentage().value(), 25.0);
        // A denominator summing to 0, or to no more than the double epsilon, gives none.
        for (const double denominator : {-12.0, std::numeric_limits<double>::epsilon()}) {
            ratio.addDenominator(denominator);
            QVERIFY(ratio.valueAsPercentage().isNull());
        }
        ratio.addDenominator(std::numeric_limits<double>::epsilon());
        QVERIFY(ratio.valueAsPercentage().hasValue());
    }

    void textsConverterAndSaving()
    {
        ReportRecorder reports;
        QCOMPARE(QString(Percent(12.5)), QString()); // no formatter installed
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(
                                      u"formatting/formatter", u"Trade::IFormatter::instance", u"s_instance != 0")});
        reports.clear();
        Sample::Formatter formatter;
        QCOMPARE(QString(Percent()), QString());

        PercentConverter converter;
        const auto percent = [](auto... value) { return Variant::fromValue(Percent(value...)); };
        // No tolerance; NaN is neither less nor greater; a double is no percent.
        const std::tuple<Variant, Variant, int> orders[] = {{percent(), percent(0.0, 1.0), 0},
                                                            {percent(1.0), percent(), 1},
                                                            {percent(), percent(1.0), -1},
                                                            {percent(10.0), percent(10.0 + 1e-15), -1},
                                                            {percent(10.0), percent(10.0), 0},
                                                            {percent(11.0), percent(10.0), 1},
                                                            {percent(std::nan("")), percent(1.0), 0},
                                                            {Variant(5.0), percent(1.0), -1}};
        for (const auto &[left, right, order] : eachRow(orders))
            QCOMPARE(converter.compare(left, right), order);
        QVERIFY(!converter.fromVariant(Variant(), Variant()).isValid());
        QCOMPARE(converter.fromVariant(Variant(QStringLiteral("2.5")), Variant()).valueOr(Percent()), Percent(2.5));
        QCOMPARE(converter.fromVariant(Variant(QStringLiteral("x")), Variant()).valueOr(Percent(1.0)),
                 Percent(QStringLiteral("x")));
        QCOMPARE(converter.fromVariant(Variant(4.0), Variant()).valueOr(Percent()), Percent(4.0));
        QCOMPARE(converter.fromVariant(Variant(4), Variant()).valueOr(Percent(1.0)), Percent()); // an int is not taken

        for (const Percent &value : eachRow(std::array{Percent(12.345), Percent(-0.1), Percent()})) {
            const Dump saved = Variant::fromValue(value).save();
            for (const Dump &form : eachRow(std::array{saved, Dump::fromJson(saved.toJsonIndented())})) {
                const Variant loaded = Variant::load(form, Variant());
                QCOMPARE(loaded.strongValue<Percent>().hasValue(), value.hasValue());
                QCOMPARE(double(loaded.strongValue<Percent>()), double(value));
            }
        }
        QCOMPARE(reports.count(), 0);

        Dump::Struct infinite(QStringLiteral("Trade::Percent"));
        infinite.insert(QStringLiteral("value"), Dump(Dump::Atom(QStringLiteral("double"), QStringLiteral("-inf"))));
        QVERIFY(!Variant::load(Dump(infinite), Variant()).strongValue<Percent>().hasValue());
    }
};

QTEST_GUILESS_MAIN(tst_Percent)
#include "tst_percent.moc"
