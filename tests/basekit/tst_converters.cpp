// The neutral converter, the enumeration converter and the report they make.
#include <testsupport/reportrecorder.h>

#include <basekit/abstractenumerationconverter.h>
#include <basekit/dump.h>

#include <QtTest/QtTest>

#include <atomic>
#include <thread>

namespace Trade {

struct Colour
{
    enum Type : int { Red = 1, Green = 2, Blue = 3 };
    Colour(Type type = Type(0)) : value(type) {}
    operator Type() const { return value; }
    QString toString() const { return QStringLiteral("colour %1").arg(int(value)); }
    QString toSaveableString() const { return QString::number(int(value) * 10); }
    void fromSaveableString(const QString &text) { value = Type(text.toInt() / 10); }
    Type value;
};

class ColourConverter : public AbstractEnumerationConverter<Colour, 0>
{};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Colour)

using Trade::Dump;
using Trade::Variant;

namespace {

QString enumLine(const char *operation, const char *condition)
{
    return Trade::ReportRecorder::line(u"trade/common/export/include/abstractenumerationconverter",
                                       QStringLiteral("Trade::AbstractEnumerationConverter<class Trade::Colour,0>::")
                                           + QLatin1String(operation),
                                       QString::fromLatin1(condition));
}

Variant colour(Trade::Colour::Type type)
{
    return Variant::fromValue(Trade::Colour(type));
}

} // namespace

class tst_Converters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Registered as a library registers its types when it loads: Qt's registry is not what threads race for.
        qRegisterMetaType<Trade::Colour>();
        Trade::registerConverterType<Trade::ColourConverter>();
    }

    void firstUsesFromManyThreads()
    {
        constexpr int threadCount = 8;
        std::atomic<bool> go{false};
        std::atomic<int> good{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&] {
                while (!go.load())
                    std::this_thread::yield();
                const Variant blue = colour(Trade::Colour::Blue);
                if (Variant::load(blue.save(), Variant()) == blue && blue.toString() == QStringLiteral("colour 3"))
                    ++good;
            });
        }
        go = true;
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(good.load(), threadCount);
    }

    // The message goes with its report, even on a channel whose level lets no log text through.
    void reportMessage()
    {
        Trade::ReportRecorder reports;
        reports.setChannelLevel(0, -1);
        const int code = 7;
        TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this);
        TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this) << "Key specified does not exist. " << 42;
        TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this) << TRADE_NAMED_VALUE((int)code) << "invalid";
        TRADE_ASSERT(code == 7, u"Test::plain", u"test/unit", this) << "never made";

        QStringList expected;
        for (const QString &message : {QStringLiteral("\"\" "), QStringLiteral("\"Key specified does not exist. 42\" "),
                                       QStringLiteral("\"invalid\" \"(int)code\"=\"{\n    \"type\": \"int\",\n"
                                                      "    \"value\": \"7\"\n}\n\" ")})
            expected << Trade::ReportRecorder::line(u"test/unit", u"Test::plain", u"code == 8", message);
        QCOMPARE(reports.lines(), expected);
        QCOMPARE(reports.reports().first().object, static_cast<const void *>(this));
        QVERIFY(reports.logs().isEmpty());
    }

    void stubConverter()
    {
        Trade::StubConverterImpl stub;
        const Variant value(5);
        Trade::ReportRecorder reports;
        QVERIFY(!stub.fromVariant(value, value).isValid() && !stub.toVariant(value).isValid()
                && stub.toString(value).isNull() && stub.compare(value, Variant(6)) == 0
                && !stub.load(value.save(), value).isValid());
        QCOMPARE(stub.save(value), Dump(Dump::Atom(QStringLiteral("int"), QString())));
        QStringList expected;
        for (const char *operation : {"fromVariant", "toVariant", "toString", "compare", "load", "toString"})
            expected << Trade::ReportRecorder::line(
                u"trade/common/export/include/iconverter",
                QStringLiteral("Trade::StubConverterImpl::") + QLatin1String(operation), u"!\"Not Implemented.\"");
        QCOMPARE(reports.lines(), expected);

        reports.clear();
        struct ShowOnly : Trade::StubConverterImpl
        {
            QString toString(const Variant &) override { return QStringLiteral("shown"); }
        } showOnly;
        QCOMPARE(showOnly.save(Variant()), Dump(Dump::Atom(QString(), QStringLiteral("shown"))));
        QCOMPARE(reports.count(), 0);
    }

    // fromVariant ('f') takes an enumeration or index, toVariant ('t') gives the index, toString ('s') the text.
    void enumerationConversions_data()
    {
        QTest::addColumn<char>("operation");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<Variant>("expected");
        QTest::addColumn<QStringList>("reportLines");

        const QStringList none;
        const QStringList unexpected{enumLine("fromVariant", "false && \"Unexpected type.\"")};
        const auto invalid = [](const char *operation) {
            return QStringList{enumLine(operation, "false && \"Invalid type.\"")};
        };
        const Variant red = colour(Trade::Colour::Red);
        const Variant blue = colour(Trade::Colour::Blue);
        QTest::addRow("from empty") << 'f' << Variant() << Variant() << none;
        QTest::addRow("from enumeration") << 'f' << blue << blue << none;
        QTest::addRow("from int 0, the first") << 'f' << Variant(0) << red << none;
        QTest::addRow("from int 2, the third") << 'f' << Variant(2) << blue << none;
        QTest::addRow("from text") << 'f' << Variant(QStringLiteral("0")) << Variant() << unexpected;
        QTest::addRow("to, empty") << 't' << Variant() << Variant() << none;
        QTest::addRow("to, first is 0") << 't' << red << Variant(0) << none;
        QTest::addRow("to, third is 2") << 't' << blue << Variant(2) << none;
        QTest::addRow("to, no value is -1") << 't' << Variant::fromValue(Trade::Colour()) << Variant(-1) << none;
        QTest::addRow("to, int") << 't' << Variant(1) << Variant() << invalid("toVariant");
        QTest::addRow("text") << 's' << colour(Trade::Colour::Green) << Variant(QStringLiteral("colour 2")) << none;
        QTest::addRow("text of empty") << 's' << Variant() << Variant(QString()) << invalid("toString");
    }

    void enumerationConversions()
    {
        QFETCH(char, operation);
        QFETCH(Variant, value);
        QFETCH(Variant, expected);
        QFETCH(QStringList, reportLines);

        Trade::ColourConverter converter;
        Trade::ReportRecorder reports;
        const Variant made = operation == 'f'   ? converter.fromVariant(value, Variant(99))
                             : operation == 't' ? converter.toVariant(value)
                                                : Variant(converter.toString(value));
        QCOMPARE(made.userType(), expected.userType());
        QVERIFY(made == expected);
        QCOMPARE(reports.lines(), reportLines);
    }

    void enumerationCompareSaveAndLoad()
    {
        Trade::ColourConverter converter;
        const Variant red = colour(Trade::Colour::Red);
        const Variant blue = colour(Trade::Colour::Blue);
        Trade::ReportRecorder reports;
        QVERIFY(converter.compare(red, red) == 0 && converter.compare(red, blue) == -1
                && converter.compare(blue, colour(Trade::Colour::Green)) == 1);
        QCOMPARE(blue.save(), Dump(Dump::Atom(QStringLiteral("Trade::Colour"), QStringLiteral("30"))));
        QCOMPARE(converter.save(Variant()), Dump(Dump::Atom()));
        QCOMPARE(reports.count(), 0);

        // Another type: both report, read the int as no colour (the typed read reports too), and go on.
        const QString valueLine =
            Trade::ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                        u"!\"unexpected data type or null value\"");
        QCOMPARE(converter.compare(red, Variant(1)), 1);
        QCOMPARE(converter.save(Variant(2)), Dump(Dump::Atom(QStringLiteral("int"), QStringLiteral("0"))));
        QCOMPARE(reports.lines(), QStringList({enumLine("compare", "left.userType() == right.userType()"), valueLine,
                                               enumLine("save", "value.is<T>()"), valueLine}));
        QCOMPARE(Trade::reportTypeText<Trade::Colour::Type>(), QStringLiteral("enum Trade::Colour::Type"));
        QCOMPARE(Trade::reportTypeText<int>(), QStringLiteral("int"));
    }
};

QTEST_GUILESS_MAIN(tst_Converters)
#include "tst_converters.moc"
