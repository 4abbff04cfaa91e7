// Variant: what counts as a value, typed reads and their reports, and dispatch to converters.
#include <testsupport/reportrecorder.h>

#include <basekit/domain.h>
#include <basekit/dump.h>
#include <basekit/iconverter.h>
#include <basekit/loadproblems.h>
#include <basekit/variant.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>

namespace Trade {

struct Gauge
{
    int level = 0;
};

// Counts the comparisons it is asked for; rebases on an int context, which raises the level.
struct GaugeConverter : StubConverterImpl, IRebasingConverter
{
    static inline int compares = 0;
    static int level(const Variant &value) { return value.valueOr(Gauge()).level; }

    bool rebasesOn(const Variant &context) const override { return context.is(QMetaType::Int); }
    Variant fromVariant(const Variant &value, const Variant &context) override
    {
        return Variant::fromValue(Gauge{value.is<Gauge>() ? level(value) + context.valueOr(0) : value.valueOr(0)});
    }
    Variant toVariant(const Variant &value) override { return Variant(level(value)); }
    QString toString(const Variant &value) override { return QStringLiteral("level %1").arg(level(value)); }
    int compare(const Variant &left, const Variant &right) const override
    {
        ++compares;
        return level(left) - level(right);
    }
    Dump save(const Variant &value) override
    {
        return Dump::Atom(QStringLiteral("Trade::Gauge"), QString::number(level(value)));
    }
    Variant load(const Dump &dump, const Variant &context) override
    {
        return Variant::fromValue(Gauge{dump.asAtom().value().toInt() + context.toInt()});
    }
};

struct Plain // without a converter
{
    int x = 0;
    bool operator==(const Plain &other) const { return x == other.x; }
};

struct Late
{};
struct LateConverter : StubConverterImpl
{
    QString toString(const Variant &) override { return QStringLiteral("late"); }
};

} // namespace Trade

using Trade::Dump;
using Trade::Variant;
using Make = std::function<Variant()>;

Q_DECLARE_METATYPE(Trade::Gauge)
Q_DECLARE_METATYPE(Trade::Plain)
Q_DECLARE_METATYPE(Trade::Late)
Q_DECLARE_METATYPE(Make)

class tst_Variant : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Trade::registerConverterType<Trade::GaugeConverter>();
        qRegisterMetaType<Trade::Gauge>("GaugeAlias"); // a name that is not the class's
    }

    void hasValue_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<int>("typeId");
        QTest::addColumn<bool>("hasValue");
        const int gaugeId = qMetaTypeId<Trade::Gauge>();
        QTest::addRow("empty") << Variant() << int(QMetaType::Int) << false;
        QTest::addRow("int") << Variant(0) << int(QMetaType::Int) << true;
        QTest::addRow("null string") << Variant(QString()) << int(QMetaType::QString) << false;
        QTest::addRow("empty string") << Variant(QStringLiteral("")) << int(QMetaType::QString) << true;
        QTest::addRow("null byte array") << Variant(QByteArray()) << int(QMetaType::QByteArray) << false;
        QTest::addRow("null date") << Variant(QDate()) << int(QMetaType::QDate) << false;
        QTest::addRow("null time") << Variant(QTime()) << int(QMetaType::QTime) << false;
        QTest::addRow("null date time") << Variant(QDateTime()) << int(QMetaType::QDateTime) << false;
        QTest::addRow("null pointer") << Variant::fromValue<QObject *>(nullptr) << int(QMetaType::QObjectStar) << false;
        QTest::addRow("int read as double") << Variant(3) << int(QMetaType::Double) << false;
        QTest::addRow("gauge") << Variant::fromValue(Trade::Gauge{2}) << gaugeId << true;
    }

    void hasValue()
    {
        QFETCH(Variant, variant);
        QFETCH(int, typeId);
        QFETCH(bool, hasValue);
        QCOMPARE(variant.hasValue(typeId), hasValue);
        QCOMPARE(variant.holdsNull(), !variant.isValid() || (!hasValue && variant.is(typeId)));
    }

    // strongValue() gives the held value, else reports and gives the one per-type default; valueOr() is silent.
    void typedReads()
    {
        Trade::ReportRecorder reports;
        const Variant text(QStringLiteral("text"));
        QCOMPARE(static_cast<const void *>(&text.strongValue<QString>()), text.constData()); // no copy
        QCOMPARE(reports.count(), 0);
        const QString line =
            Trade::ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                        u"!\"unexpected data type or null value\"");
        for (const Variant &variant :
             eachRow(std::array{Variant(), Variant(QString()), Variant::fromValue(Trade::Plain{4}), Variant(4)})) {
            reports.clear();
            const Trade::Gauge &first = variant.strongValue<Trade::Gauge>();
            QCOMPARE(&first, &variant.strongValue<Trade::Gauge>());
            QCOMPARE(first.level, 0);
            QCOMPARE(reports.lines(), QStringList({line, line}));
            QCOMPARE(reports.reports().first().object, static_cast<const void *>(&variant));
        }
    }

    // Order: empty first, then the left type's converter (else the right's), then Qt's; equality agrees.
    void compare_data()
    {
        QTest::addColumn<Variant>("left");
        QTest::addColumn<Variant>("right");
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("compares"); // the converter's, for == and != together
        const auto gauge = [](int level) { return Variant::fromValue(Trade::Gauge{level}); };
        QTest::addRow("both empty") << Variant() << Variant() << 0 << 0;
        QTest::addRow("empty first") << Variant() << Variant(-5) << -1 << 0;
        QTest::addRow("empty last") << Variant(-5) << Variant() << 1 << 0;
        QTest::addRow("less") << Variant(1) << Variant(2) << -1 << 0;
        QTest::addRow("same") << Variant(2) << Variant(2) << 0 << 0;
        QTest::addRow("texts") << Variant(QStringLiteral("b")) << Variant(QStringLiteral("a")) << 1 << 0;
        QTest::addRow("text and number") << Variant(QStringLiteral("10")) << Variant(9) << 1 << 0; // as numbers
        QTest::addRow("same gauges") << gauge(3) << gauge(3) << 0 << 2;
        QTest::addRow("by the converter") << gauge(3) << gauge(4) << -1 << 2;
        QTest::addRow("by the right converter") << Variant(9) << gauge(4) << -1 << 2; // 9 is no gauge: level 0
        const Variant plain = Variant::fromValue(Trade::Plain{1});
        QTest::addRow("no converter") << plain << plain << 0 << 0;
    }

    void compare()
    {
        QFETCH(Variant, left);
        QFETCH(Variant, right);
        QFETCH(int, sign);
        Trade::GaugeConverter::compares = 0;
        QCOMPARE(left == right, sign == 0);
        QCOMPARE(left != right, sign != 0);
        QTEST(Trade::GaugeConverter::compares, "compares");
        QCOMPARE(qBound(-1, Variant::order(left, right), 1), sign);
    }

    void convertAndLoad_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Variant>("expected");
        const int gaugeId = qMetaTypeId<Trade::Gauge>();
        const auto gauge = [](int level) { return Variant::fromValue(Trade::Gauge{level}); };
        const auto convert = [](const Variant &value, int typeId, const Variant &context = Variant()) {
            return Make([=] { return value.convert(typeId, context); });
        };
        // A load that collects other than the expected number of problems makes a text saying so.
        const auto load = [](const Dump &dump, qsizetype problems = 0) {
            return Make([=] {
                Trade::LoadProblems collected;
                const Variant loaded = Variant::load(dump, Variant());
                const qsizetype made = collected.problems().size();
                return made == problems ? loaded : Variant(QStringLiteral("%1 load problems").arg(made));
            });
        };
        const auto atom = [](const char *type, const char *value) {
            return Dump::Atom(QString::fromUtf8(type), *value ? QString::fromUtf8(value) : QString());
        };
        const auto row = [](const char *name, const Make &make, const Variant &expected = Variant()) {
            QTest::addRow("%s", name) << make << expected;
        };
        row("same type", convert(gauge(2), gaugeId), gauge(2));
        row("same type, rebased on the context", convert(gauge(2), gaugeId, Variant(10)), gauge(12));
        row("same type, text context", convert(gauge(2), gaugeId, Variant(QStringLiteral("10"))), gauge(2));
        row("no converter, with a context", convert(Variant(3), QMetaType::Int, Variant(10)), Variant(3));
        row("to a type with converter", convert(Variant(6), gaugeId), gauge(6));
        row("through the held converter", convert(gauge(6), QMetaType::QString), Variant(QStringLiteral("6")));
        row("builtin", convert(Variant(QStringLiteral("2.5")), QMetaType::Double), Variant(2.5));
        row("not convertible", convert(Variant::fromValue(Trade::Plain{1}), QMetaType::Int));
        row("empty", convert(Variant(), QMetaType::Int));

        row("null dump", load(Dump()));
        row("unknown type", load(atom("No::Such", "1"), 1));
        row("not a number", load(atom("int", "x")));
        row("empty number", load(atom("int", "")), Variant(0));
        row("bytes that are no Base64", load(atom("QByteArray", "*")));
        row("character out of range", load(atom("uchar", "256")));
        row("signed character below its range", load(atom("signed char", "-129")));
        row("character that is no number", load(atom("char", "x")));
        row("two characters", load(atom("QChar", "ab")));
        row("text list holding a struct",
            load(Dump::Container(QStringLiteral("QStringList")).append(Dump::Struct(QStringLiteral("QString")))));
        row("container of a type without converter", load(Dump::Container(QStringLiteral("int"))));
        // Saved layouts come from users' disks: a GUI type (aborts without an application) or a cut name is not made.
        row("gui type", load(atom("QBitmap", ""), 1));
        row("name with NUL", load(Dump::Atom(QStringLiteral("QBitmap\0\0Side"), QStringLiteral(" ng")), 1));
        row("converter name with NUL", load(Dump::Atom(QStringLiteral("Trade::Gauge\0"), QStringLiteral("4")), 1));
        row("alias of a type with a converter", load(atom("GaugeAlias", "4"), 1));
        row("null pointer", load(atom("QObject*", "")), Variant::fromValue<QObject *>(nullptr));
    }

    void convertAndLoad()
    {
        QFETCH(Make, make);
        QFETCH(Variant, expected);

        Trade::ReportRecorder reports;
        const Variant made = make();
        QCOMPARE(made.userType(), expected.userType());
        QVERIFY(made == expected);
        QCOMPARE(reports.count(), 0);
    }

    void saveAndLoadWithoutConverter_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("typeText");
        const auto row = [](const char *name, const Variant &value, const char *type) {
            QTest::addRow("%s", name) << value << QString::fromLatin1(type);
        };
        const QDate day(2026, 12, 6);
        row("64-bit", Variant(Q_INT64_C(-9007199254740993)), "qlonglong");
        row("signed char", Variant::fromValue<qint8>(-128), "signed char");
        row("unsigned char", Variant::fromValue<quint8>(255), "uchar");
        row("char", Variant::fromValue<char>('c'), "char");
        row("character", Variant(QChar(u'\u00e9')), "QChar");
        row("null text", Variant(QString()), "QString");
        row("empty text", Variant(QStringLiteral("")), "QString");
        row("text list", Variant(QStringList{QStringLiteral("ES"), QString(), QStringLiteral("@ES")}), "QStringList");
        row("bytes", Variant(QByteArray("\0\xff\x80 ok", 6)), "QByteArray");
        row("null date", Variant(QDate()), "QDate");
        row("date time at an offset", Variant(QDateTime(day, QTime(1, 2, 3), QTimeZone(-5 * 3600))), "QDateTime");
        row("empty", Variant(), nullptr);
    }

    void saveAndLoadWithoutConverter()
    {
        QFETCH(Variant, value);
        QFETCH(QString, typeText);

        Trade::ReportRecorder reports;
        QCOMPARE(value.save().typeName(), typeText);
        QVector<Trade::LoadProblem> problems;
        for (const Variant &loaded : eachRow(std::array{Variant::load(value.save(), Variant()),
                                                        Variant::fromJson(value.toJson(), {}, &problems)})) {
            QCOMPARE(loaded.userType(), value.userType());
            QCOMPARE(static_cast<const QVariant &>(loaded), static_cast<const QVariant &>(value));
            QCOMPARE(loaded.holdsNull(), value.holdsNull());
        }
        QVERIFY(problems.isEmpty());
        QCOMPARE(reports.count(), 0);
    }

    void loadProblemsAndFiles()
    {
        using P = Trade::LoadProblem;
        Trade::ReportRecorder reports;
        QVector<P> problems;
        QVERIFY(!Variant::fromJson(QStringLiteral("{\"type\": \"int\""), Variant(), &problems).isValid());
        QVERIFY(!Variant::fromJson(QStringLiteral("{\"type\": \"No::Such\", \"value\": \"1\"}"), Variant(), &problems)
                     .isValid());
        QVERIFY(problems.size() == 2 && problems.at(0).kind == P::MalformedText && problems.at(1).kind == P::UnknownType
                && problems.at(1).key == u"No::Such");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("value.json"));
        QVERIFY(Variant(QStringLiteral("a longer text")).saveJsonFile(path));
        QVERIFY(Variant(7).saveJsonFile(path)); // replaced
        QCOMPARE(Variant::loadJsonFile(path), Variant(7));
        QString error;
        QVERIFY(!Variant(7).saveJsonFile(dir.filePath(QStringLiteral("no/such/dir/value.json")), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!Variant::loadJsonFile(dir.filePath(QStringLiteral("missing.json")), Variant(), &problems).isValid());
        QVERIFY(problems.size() == 3 && problems.last().kind == P::UnreadableFile);

        // Collectors nest: a problem reaches the innermost one only, once, with the saved form and no reference.
        const Dump unknown(Dump::Atom(QStringLiteral("No::Such"), QString()));
        Trade::LoadProblems outer;
        {
            Trade::LoadProblems inner;
            Variant::load(unknown, Variant());
            Variant::load(unknown, Variant());
            QCOMPARE(inner.problems().size(), 1);
            QVERIFY(inner.problems().first().saved == unknown && inner.problems().first().reference == P::NoReference);
        }
        QVERIFY(outer.isEmpty());
        // A problem is the same only in all of kind, type, key and substitute.
        P first;
        first.kind = P::UnresolvedReference;
        first.typeName = first.key = first.substitute = QStringLiteral("A");
        QVERIFY(Trade::LoadProblems::add(first) && !Trade::LoadProblems::add(first));
        for (QString P::*part : eachRow(std::array{&P::typeName, &P::key, &P::substitute})) {
            P other = first;
            other.*part = QStringLiteral("B");
            QVERIFY(Trade::LoadProblems::add(other));
        }
        first.kind = P::SubstitutedReference;
        QVERIFY(Trade::LoadProblems::add(first));
        QCOMPARE(outer.problems().size(), 5);
        QCOMPARE(reports.count(), 0);

        // What a problem refers to follows from its kind, and for references from the type.
        const std::tuple<P::Kind, const char16_t *, P::Reference> rows[] = {
            {P::UnknownField, u"", P::FieldReference},
            {P::UnknownType, u"Trade::ISymbol*", P::NoReference},
            {P::SubstitutedReference, u"Trade::ISymbol*", P::SymbolReference},
            {P::UnresolvedReference, u"QObject*", P::OtherReference},
        };
        for (const auto &[kind, type, reference] : eachRow(rows))
            QCOMPARE(P::referenceOf(kind, QStringView(type)), reference);
    }

    // The held type's converter shows, saves and loads; released converters are made again, by name and type.
    void dispatchToConverter()
    {
        const Variant gauge = Variant::fromValue(Trade::Gauge{4});
        const Dump saved = gauge.save();
        QVERIFY(Trade::Domain({gauge}).contains(Variant::fromValue(Trade::Gauge{4}))); // through the converter
        QCOMPARE(Variant::load(saved, Variant(10)).valueOr(Trade::Gauge()).level, 14); // with the context

        Trade::releaseConverters();
        QCOMPARE(Variant::load(saved, Variant()).valueOr(Trade::Gauge()).level, 4);
        Trade::releaseConverters();
        QCOMPARE(gauge.toString(), QStringLiteral("level 4"));

        // A library loaded later may register the converter of a type already in use.
        const Variant late = Variant::fromValue(Trade::Late{});
        QCOMPARE(late.toString(), QString());
        Trade::registerConverterType<Trade::LateConverter>();
        QCOMPARE(late.toString(), QStringLiteral("late"));
    }
};

QTEST_GUILESS_MAIN(tst_Variant)
#include "tst_variant.moc"
