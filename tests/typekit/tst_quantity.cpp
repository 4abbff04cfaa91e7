#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/quantity.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "relations.h"
#include "rows.h"

using namespace Trade;

class tst_Quantity : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    Sample::Formatter formatter;
    Sample::Symbol hundred{QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100, 1.0, 100};
    Sample::Symbol ten{QStringLiteral("AAPL"), Symbology::symbolTypeStock, 1, 100, 1.0, 10};
    Sample::Connection connection{QStringLiteral("Paper")};

private Q_SLOTS:
    void lots()
    {
        ReportRecorder reports;
        const Quantity q = Quantity::fromLots(2.5, &hundred);
        QCOMPARE(q.value(), 250.0);
        QVERIFY(q.lotQuantity() == 2.5 && q.wholeLotQuantity() == 2 && !q.isWholeLotQuantity() && q.isWholeValue());

        Quantity typed(QStringLiteral("3"), &hundred);
        QCOMPARE(typed.value(), 300.0);
        typed.setSymbol(&ten); // 3 lots stay 3 lots
        QCOMPARE(typed.value(), 30.0);
        typed.setSymbol(nullptr);
        QCOMPARE(typed.value(), 3.0);
        typed = QString();
        QVERIFY(!typed.hasValue());
        typed = QStringLiteral("abc"); // no number: 0 lots, with a value
        QVERIFY(typed.hasValue() && typed.isZero());
        QCOMPARE(Quantity(-7.9, &hundred).abs().value(), 7.9);
        QCOMPARE(Quantity(-7.9, &hundred).wholeValue(), -7);
        QCOMPARE(Quantity(1e12, &hundred).wholeValue(), std::numeric_limits<int>::max()); // saturates

        const QString file = QStringLiteral("quantity");
        const Quantity orphan = Quantity::fromLots(4, nullptr); // reported; lot size 1, no symbol
        QVERIFY(orphan.value() == 4.0 && !orphan.isValid());
        const Quantity sum = Quantity(300.0, &hundred) - Quantity(20.0, &ten);
        QVERIFY(sum.value() == 280.0 && sum.symbol() == &hundred);
        (void)(Quantity(1.0, nullptr) + Quantity());
        const QString noSymbol = ReportRecorder::line(file, u"Trade::Quantity::symbol", u"isValid()",
                                                      ReportRecorder::quoted(u"invalid quantity symbol"));
        QCOMPARE(
            reports.lines(),
            QStringList({ReportRecorder::line(file, u"Trade::Quantity::fromLots", u"symbol != 0"),
                         ReportRecorder::line(file, u"Trade::Quantity::operator -", u"symbol() == other.symbol()"),
                         ReportRecorder::line(file, u"Trade::Quantity::operator -", u"lotSize() == other.lotSize()"),
                         ReportRecorder::line(file, u"Trade::Quantity::operator +", u"isValid()"),
                         ReportRecorder::line(file, u"Trade::Quantity::operator +", u"other.isValid()"), noSymbol,
                         noSymbol,
                         ReportRecorder::line(file, u"Trade::Quantity::value", u"false",
                                              ReportRecorder::quoted(u"Quantity has no value")),
                         noSymbol}));
    }

    void comparisons()
    {
        // Units within the double epsilon are equal, whatever the symbols; the converter orders lots; no value is least
        QuantityConverter converter;
        const Quantity zero(0.0, nullptr), some(5.0, &hundred);
        constexpr double epsilon = std::numeric_limits<double>::epsilon();
        const std::tuple<Quantity, Quantity, const char16_t *, int> rows[] = {
            {zero, Quantity(epsilon, nullptr), u"==", 0},
            {Quantity(epsilon, nullptr), zero, u"==", 0},
            {zero, Quantity(1e-15, nullptr), u"!= <", -1},
            {Quantity(5.0, nullptr), Quantity(3.0, nullptr), u"!=", 1},
            {Quantity(5.0, &hundred), Quantity(3.0, &ten), u"!=", -1},
            {Quantity(0.0, &hundred), Quantity(1e-15, &ten), u"!= <", 0},
            {Quantity(&ten), Quantity(-5.0, &ten), u"!= <", -1},
            {Quantity(-5.0, &ten), Quantity(&ten), u"!=", 1},
            {Quantity(), Quantity(&ten), u"==", 0}};
        for (const auto &[left, right, holding, order] : eachRow(rows)) {
            QCOMPARE(relations(left, right), holding);
            QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(right)), order);
        }
        QVERIFY(some.isCompatible(Quantity(1.0, &hundred)) && !some.isCompatible(Quantity(1.0, &ten))
                && !some.isCompatible(zero) && zero.isCompatible(Quantity()));

        // Signs and wholeness with the same tolerance, which is itself still zero; the limit is the int range.
        const std::tuple<double, const char *> signs[] = {{0.0, "zero whole"},
                                                          {epsilon, "zero whole"},
                                                          {-epsilon, "zero whole"},
                                                          {1e-15, "nonzero positive"},
                                                          {-1e-15, "nonzero negative"},
                                                          {1.0 + epsilon, "nonzero positive whole"},
                                                          {2147483646.0, "nonzero positive whole"},
                                                          {2147483647.0, "nonzero positive whole out"}};
        for (const auto &[value, expected] : eachRow(signs)) {
            const Quantity q(value, nullptr);
            const std::pair<bool, const char *> all[] = {{q.isZero(), "zero"},         {q.isNonZero(), "nonzero"},
                                                         {q.isPositive(), "positive"}, {q.isNegative(), "negative"},
                                                         {q.isWholeValue(), "whole"},  {q.isOutOfLimits(), "out"}};
            QString holding;
            for (const auto &[holds, name] : all)
                holding += holds ? QLatin1String(name) + u' ' : QString();
            QCOMPARE(holding.trimmed(), QLatin1String(expected));
        }
    }

    void converter()
    {
        QuantityConverter converter;
        const Variant context = Variant::fromValue<ISymbol *>(&ten);
        const auto made = [&](const Variant &value, const Variant &on) {
            return converter.fromVariant(value, on).strongValue<Quantity>();
        };
        ReportRecorder reports;
        QCOMPARE(made(Variant::fromValue(Quantity(300.0, &hundred)), context).value(), 30.0);
        QCOMPARE(made(Variant(QStringLiteral("2")), context).value(), 20.0);
        QCOMPARE(made(Variant(7), context).value(), 7.0);
        QCOMPARE(made(Variant(7.5), Variant()).value(), 7.5);
        QVERIFY(!made(Variant(QDate(2026, 1, 1)), context).hasValue());
        QVERIFY(!converter.fromVariant(Variant(), context).isValid());
        QCOMPARE(reports.count(), 0);

        hundred.setBrokerName(QStringLiteral("MSFT.NQ"));
        hundred.setConnection(&connection);
        const Dump saved = Variant::fromValue(Quantity(300.0, &hundred)).save();
        const Dump::Struct &entries = saved.asStruct();
        QStringList members;
        for (const char *name : {"value", "lotSize", "symbolAlias", "symbolBrokerName", "connectionName"})
            members << entries.member(QLatin1String(name)).asAtom().value();
        QCOMPARE(members.join(u' '), u"300 100 MSFT MSFT.NQ Paper");

        const Dump json = Dump::fromJson(saved.toJsonIndented());
        QCOMPARE(Variant::load(json, Variant::fromValue<ISymbol *>(&hundred)).strongValue<Quantity>().value(), 300.0);
        QCOMPARE(Variant::load(json, Variant::fromValue<ISymbol *>(&ten)).strongValue<Quantity>().value(), 30.0);
        const Quantity byAlias = Variant::load(json, Variant()).strongValue<Quantity>(); // the alias finds MSFT
        QVERIFY(byAlias.value() == 300.0 && byAlias.symbol() == &hundred);
        const Dump none = Variant::fromValue(Quantity(&hundred)).save();
        QVERIFY(!Variant::load(none, Variant()).strongValue<Quantity>().hasValue());
        // Without a symbol found for the alias (or with no alias) the lots are units; a saved lot size below 1 is 1.
        for (const char *alias : eachRow(std::array{"MSFT", "", "NONE"})) {
            Dump::Struct edited = entries;
            edited.insert(QStringLiteral("symbolAlias"), Variant(QString::fromLatin1(alias)).save());
            edited.insert(QStringLiteral("lotSize"), Variant(0).save());
            const Quantity loaded = Variant::load(Dump(edited), Variant()).strongValue<Quantity>();
            QCOMPARE(loaded.value(), *alias == 'M' ? 30000.0 : 300.0);
        }
        // A saved number that is not finite, or a lot count too large for the symbol's lots, is none.
        for (const char *number : eachRow(std::array{"nan", "inf", "1e308"})) {
            Dump::Struct edited = entries;
            edited.insert(QStringLiteral("value"),
                          Dump(Dump::Atom(QStringLiteral("double"), QString::fromLatin1(number))));
            edited.insert(QStringLiteral("lotSize"), Variant(1).save());
            QVERIFY(!Variant::load(Dump(edited), Variant()).strongValue<Quantity>().hasValue());
        }
        QCOMPARE(
            Variant::fromValue(Quantity()).save().asStruct().member(QStringLiteral("connectionName")).asAtom().value(),
            QString());
    }
};

QTEST_GUILESS_MAIN(tst_Quantity)
#include "tst_quantity.moc"
