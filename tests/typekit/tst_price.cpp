#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <typekit/price.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "relations.h"
#include "rows.h"

#include <cmath>
#include <limits>
#include <optional>

using namespace Trade;

// es has a tick of 0.25, msft one of 0.01.
class tst_Price : public QObject
{
    Q_OBJECT

    struct World : Sample::Market
    {
        Sample::Symbol scaled{QStringLiteral("SCALED"), Symbology::symbolTypeFuture, 25, 100};
        Sample::Symbol spread{QStringLiteral("ESZ26-ESH27"), Symbology::symbolTypeSpread, 25, 100};
        Sample::Symbol unscaled{QStringLiteral("NOSCALE"), Symbology::symbolTypeStock, 1, 100};
        Sample::Symbol uncategorised{QStringLiteral("NOCATEGORY"), Symbology::symbolTypeStock, 1, 100};
        World()
        {
            scaled.setPriceMultiplier(100.0);
            unscaled.record().remove(topics.symbol().userDefinedPriceScaleField()); // not valid
            uncategorised.record().remove(topics.symbol().categoryField());
            uncategorised.setResolved(true);
        }
    };
    World market; // range() leaves msft resolved, as it was

private Q_SLOTS:

    void alignmentAndComparisons()
    {
        ReportRecorder reports;
        Sample::Symbol *const es = &market.es;
        const std::tuple<Sample::Symbol *, double, double, double, qint64> rows[] = {
            {es, 1.125, 1.25, 1.25, 5},
            {es, -1.125, -1.25, -1.25, -5},
            {es, 1.12, 1.0, 1.0, 4},
            {&market.msft, 101.005, 101.01, 101.01, 10101},
            {&market.scaled, 1.25, 1.25, 0.0125, 5},
            {es, 30000000.25, 30000000.25, 30000000.25, 120000001}};
        for (const auto &[symbol, input, value, raw, ticks] : eachRow(rows)) {
            const Price price(input, symbol);
            QCOMPARE(price.value(), value);
            QCOMPARE(price.rawNonScaledValue(), raw);
            QCOMPARE(price.ticks(), ticks);
            QVERIFY(price.isValid());
            QCOMPARE(Price(ticks, symbol), price);
        }

        // No symbols: equal, yet ordered in 1e-10 steps; else the finer tick decides; no value is least; NaN is 0.
        const std::tuple<Price, Price, const char16_t *> pairs[] = {
            {Price(1.0), Price(1.0 + 1e-11), u"== <= >="},
            {Price(1.0), Price(1.0 + 1e-9), u"== < <="},
            {Price(1.25, &market.es), Price(1.26, &market.msft), u"!= < <="},
            {Price(1.25, &market.es), Price(1.25), u"!= > >="},
            {Price(&market.es), Price(-5.0, &market.es), u"!= < <="},
            {Price(-5.0, &market.es), Price(&market.es), u"!= > >="},
            {Price(&market.es), Price(&market.msft), u"== <= >="},
            {Price(30000000.0, &market.es), Price(30000000.25, &market.es), u"!= < <="},
            {Price(1.25, &market.scaled), Price(1.25, &market.es), u"== <= >="},
            {Price(std::nan(""), &market.es), Price(0.0, &market.es), u"== <= >="}};
        for (const auto &[left, right, holding] : eachRow(pairs))
            QCOMPARE(relations(left, right), holding);
        QCOMPARE(reports.count(), 0);
    }

    void arithmetic()
    {
        ReportRecorder reports;
        const Price price(1.25, &market.es);
        Price scaledPrice(1.25, &market.scaled);
        scaledPrice += 0.25;
        QCOMPARE(Price(Price(1.25, &market.es), &market.scaled).rawNonScaledValue(), 0.0125);
        // Halves truncate; scaled results stay on the unscaled grid; mixed symbols are reported, added all the same.
        const std::pair<Price, double> results[] = {{price + 0.3, 1.5},
                                                    {price - 0.3, 1.0},
                                                    {price + qint64(2), 1.75},
                                                    {price - qint64(7), -0.5},
                                                    {price / 2.0, 0.5},
                                                    {-price, -1.25},
                                                    {price - Price(2.0, &market.es), -0.75},
                                                    {10.0 - price, 8.75},
                                                    {qint64(1) + price, 1.5},
                                                    {qint64(1) - price, -1.0},
                                                    {-scaledPrice, -1.5},
                                                    {scaledPrice - Price(0.5, &market.scaled), 1.0},
                                                    {Price(Price(1.13), &market.es), 1.25},
                                                    {Price(Price(1.13, &market.msft), &market.es), 1.25},
                                                    {price + Price(1.0, &market.msft), 2.25}};
        for (const auto &[result, value] : eachRow(results))
            QCOMPARE(result.value(), value);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"price", u"Trade::Price::operator +=",
                                                                   u"isCompatible(price) && \"incompatible price\"")});
    }

    void range()
    {
        // Out of range on a resolved symbol; an unresolved or uncategorised symbol has no floor.
        const std::tuple<Price, bool, bool> rows[] = {
            {Price(1e9), true, false},
            {Price(1e9 + 1), true, true},
            {Price(-5.0), true, false},
            {Price(-5.0, &market.msft), true, true},
            {Price(-5.0, &market.msft), false, false},
            {Price(-5.0, &market.spread), true, false},
            {Price(-5.0, &market.uncategorised), true, false},
            {Price(-1e9 - 1, &market.spread), true, true},
            {Price(std::numeric_limits<double>::infinity(), &market.es), true, true}};
        for (const auto &[price, resolved, out] : eachRow(rows)) {
            market.msft.setResolved(resolved);
            QCOMPARE(price.isOutOfRange(), out);
        }

        // Nothing here may be undefined behaviour: tick counts saturate, NaN counts as 0 ticks.
        ReportRecorder reports;
        constexpr qint64 most = std::numeric_limits<qint64>::max(), least = std::numeric_limits<qint64>::min();
        const std::pair<Price, qint64> limits[] = {{Price(1e300, &market.es), most},
                                                   {Price(-1e300, &market.es), least},
                                                   {Price(std::nan(""), &market.es), 0},
                                                   {Price(1.0, &market.es) / 0.0, most},
                                                   {Price(most, &market.es) + qint64(1), most},
                                                   {Price(least, &market.es) - qint64(1), least}};
        for (const auto &[price, ticks] : eachRow(limits))
            QCOMPARE(price.ticks(), ticks);
        QCOMPARE(reports.count(), 0);
    }

    void textsAndReports()
    {
        const QString file = QStringLiteral("price");
        ReportRecorder reports;
        QCOMPARE(Price(5012.3, &market.es).toString(), QStringLiteral("5012.25"));
        QCOMPARE(Price(1.0 / 3.0).toString(), QStringLiteral("0.333333"));
        QCOMPARE(Price().toString(), QString());
        Price typed(1.0, &market.es);
        typed.setValue(QStringLiteral("not a price"));    // the symbol cannot read it: all gone
        QVERIFY(!typed.hasValue() && !typed.hasSymbol()); // silently

        Price without;
        without.setValue(QStringLiteral("1.5")); // no symbol to read it: unchanged, after the report
        QVERIFY(!without.hasValue());
        const Price bare;
        QVERIFY(!bare.symbol() && bare.ticks() == 0 && bare.rawNonScaledValue() == 0.0 && !bare.isOutOfRange());
        Price(static_cast<ISymbol *>(nullptr));
        // A symbol without price scale is not valid: reported, aligned with the figures it still answers (1 / 1).
        const Price onInvalid(1.004, &market.unscaled);
        QVERIFY(onInvalid.value() == 1.0 && !onInvalid.isValid());
        const QString symbolLine = ReportRecorder::line(file, u"Trade::Price::symbol", u"hasSymbol()",
                                                        ReportRecorder::quoted(u"invalid price symbol"));
        const QString noValue =
            ReportRecorder::line(file, u"Trade::Price::rawNonScaledValue", u"hasValue() && \"price has not value\"");
        const QString noSymbolSet = ReportRecorder::line(file, u"Trade::Price::setSymbol", u"symbol != 0");
        const QString invalidSet = ReportRecorder::line(file, u"Trade::Price::setValue", u"hasValidSymbol()");
        QVERIFY(!(bare / 2.0).hasValue());
        QCOMPARE(reports.lines(), QStringList({symbolLine, symbolLine, symbolLine, noValue,
                                               ReportRecorder::line(file, u"Trade::Price::isOutOfRange", u"hasValue()"),
                                               noValue, noSymbolSet, invalidSet, symbolLine, noSymbolSet, invalidSet}));
    }

    void converterAndSaving()
    {
        PriceConverter converter;
        const Variant onEs = Variant::fromValue<ISymbol *>(&market.es);
        const std::tuple<Variant, Variant, std::optional<double>, int> rows[] = {
            {Variant(), onEs, {}, 0},
            {Variant(QDate(2026, 1, 1)), onEs, {}, 0},
            {Variant(1.0), Variant(), {}, 0},
            {Variant::fromValue(Price(1.13)), onEs, 1.25, 0},
            {Variant::fromValue(Price(&market.msft)), onEs, {}, 0},
            {Variant(1.13), onEs, 1.25, 0},
            {Variant(QStringLiteral("2.6")), onEs, 2.5, 0},
            {Variant(3), onEs, {}, 1}};
        for (const auto &[value, context, expected, reportCount] : eachRow(rows)) {
            ReportRecorder reports;
            const Variant made = converter.fromVariant(value, context);
            QCOMPARE(made.isValid(), context.isValid() && value.isValid());
            QCOMPARE(made.valueOr(Price()).hasValue(), expected.has_value());
            if (expected)
                QCOMPARE(made.strongValue<Price>().value(), *expected);
            QCOMPARE(reports.count(), reportCount);
        }

        // The converter compares with the double epsilon, where prices without symbol compare at 1e-10.
        const std::tuple<Price, Price, int> orders[] = {{Price(1.0), Price(1.0 + 1e-11), -1},
                                                        {Price(1.0), Price(1.0), 0},
                                                        {Price(), Price(1.0), -1},
                                                        {Price(&market.es), Price(&market.msft), 0}};
        for (const auto &[left, right, order] : eachRow(orders))
            QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(right)), order);

        ReportRecorder reports;
        for (const Price &price :
             eachRow(std::array{Price(-5012.25, &market.es), Price(1.25, &market.scaled), Price(&market.es)})) {
            const Dump saved = Variant::fromValue(price).save();
            for (const Dump &form : eachRow(std::array{saved, Dump::fromJson(saved.toJsonIndented())})) {
                const Price loaded = Variant::load(form, Variant()).valueOr(Price(99.0));
                QCOMPARE(loaded.symbol(), price.symbol());
                QCOMPARE(loaded, price);
            }
            for (const char *number : eachRow(std::array{"nan", "-inf", "1e999"})) {
                Dump::Struct edited = saved.asStruct();
                edited.insert(QStringLiteral("value"),
                              Dump(Dump::Atom(QStringLiteral("double"), QString::fromLatin1(number))));
                QVERIFY(!Variant::load(Dump(edited), Variant()).strongValue<Price>().hasValue());
            }
        }
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_Price)
#include "tst_price.moc"
