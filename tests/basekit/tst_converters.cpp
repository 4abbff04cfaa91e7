// The neutral converter, the enumeration converter and the report they make.
#include <testsupport/reportrecorder.h>

#include <basekit/abstractenumerationconverter.h>
#include <basekit/dump.h>

#include <QtTest/QtTest>

#include <atomic>
#include <thread>

namespace Trade {

// An enumeration class as the enumeration converter expects one.
class Colour
{
public:
    enum Type : int { Red = 1, Green = 2, Blue = 3 };
    Colour() : m_type(Type(0)) {}
    Colour(Type type) : m_type(type) {}
    operator Type() const { return m_type; }
    QString toString() const { return QStringLiteral("colour %1").arg(int(m_type)); }
    QString toSaveableString() const { return QString::number(int(m_type) * 10); }
    void fromSaveableString(const QString &text) { m_type = Type(text.toInt() / 10); }

private:
    Type m_type;
};

class ColourConverter : public AbstractEnumerationConverter<Colour, 0>
{
};

// A converter that shows its values but supports nothing else.
class ShowOnlyConverter : public StubConverterImpl
{
public:
    QString toString(const Variant &) override { return QStringLiteral("shown"); }
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Colour)

using Trade::Dump;
using Trade::Variant;

namespace {

const QString stubFile = QStringLiteral("trade/common/export/include/iconverter");
const QString enumFile = QStringLiteral("trade/common/export/include/abstractenumerationconverter");

QString enumFunction(const char *operation)
{
    return QStringLiteral("Trade::AbstractEnumerationConverter<class Trade::Colour,0>::") + QLatin1String(operation);
}

Variant colour(Trade::Colour::Type type)
{
    return Variant::fromValue(Trade::Colour(type));
}

} // namespace

class tst_Converters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The value type is registered here, as a library registers its types when it loads:
        // Qt's own registry is not what the threads below race for.
        qRegisterMetaType<Trade::Colour>();
        Trade::registerConverterType<Trade::ColourConverter>();
    }

    // first: the converter must not have been looked up yet
    void firstUsesFromManyThreads()
    {
        // Threads released at once race for the first lookups of a converter, by held type and by
        // name; all must reach the one instance. (Run under ThreadSanitizer as well.)
        constexpr int threadCount = 8;
        std::atomic<bool> go{false};
        std::atomic<int> good{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&] {
                while (!go.load())
                    std::this_thread::yield();
                const Variant blue = colour(Trade::Colour::Blue);
                const Variant loaded = Variant::load(blue.save(), Variant());
                if (loaded == blue && blue.toString() == QStringLiteral("colour 3"))
                    ++good;
            });
        }
        go = true;
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(good.load(), threadCount);
    }

    void reportMessage_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("message");

        QTest::addRow("plain") << 0 << QStringLiteral("\"\" ");
        QTest::addRow("text") << 1 << QStringLiteral("\"Key specified does not exist. 42\" ");
        QTest::addRow("named value") << 2
                                     << QStringLiteral("\"invalid\" \"(int)code\"=\"{\n    \"type\": \"int\",\n"
                                                       "    \"value\": \"7\"\n}\n\" ");
    }

    void reportMessage()
    {
        QFETCH(int, form);
        QFETCH(QString, message);

        ReportRecorder reports;
        const int code = 7;
        if (form == 0)
            TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this);
        else if (form == 1)
            TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this) << "Key specified does not exist. " << 42;
        else
            TRADE_ASSERT(code == 8, u"Test::plain", u"test/unit", this) << TRADE_NAMED_VALUE( (int)code) << "invalid";
        TRADE_ASSERT(code == 7, u"Test::plain", u"test/unit", this) << "never made";

        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"test/unit", u"Test::plain", u"code == 8", message)});
        const RecordedReport report = reports.reports().first();
        QCOMPARE(report.object, static_cast<const void *>(this));
        QVERIFY(report.line > 0);
        QVERIFY(reports.logs().isEmpty());  // the message went with the report
    }

    void channelLevelDoesNotSilenceAssertions()
    {
        ReportRecorder reports;
        reports.setChannelLevel(0, -1);
        TRADE_ASSERT(false, u"Test::off", u"test/unit", nullptr) << "still there";
        QCOMPARE(reports.reports().first().message, ReportRecorder::quoted(u"still there"));

        QVERIFY(reports.shouldLog(0, 3));
        QVERIFY(!reports.shouldLog(0, 2));
        reports.setChannelLevel(0, 2);
        QVERIFY(reports.shouldLog(0, 2));
        QVERIFY(!reports.shouldLog(0, 1));
    }

    void stubOperations_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *operation : {"fromVariant", "toVariant", "toString", "compare", "load"})
            QTest::addRow("%s", operation) << QString::fromLatin1(operation);
    }

    void stubOperations()
    {
        QFETCH(QString, operation);

        Trade::StubConverterImpl stub;
        const Variant value(5);
        ReportRecorder reports;
        if (operation == QLatin1String("fromVariant"))
            QVERIFY(!stub.fromVariant(value, value).isValid());
        else if (operation == QLatin1String("toVariant"))
            QVERIFY(!stub.toVariant(value).isValid());
        else if (operation == QLatin1String("toString"))
            QVERIFY(stub.toString(value).isNull());
        else if (operation == QLatin1String("compare"))
            QCOMPARE(stub.compare(value, Variant(6)), 0);
        else
            QVERIFY(!stub.load(value.save(), value).isValid());
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(stubFile, QStringLiteral("Trade::StubConverterImpl::") + operation,
                                                                    u"!\"Not Implemented.\"")});
    }

    void stubSave()
    {
        ReportRecorder reports;
        Trade::StubConverterImpl stub;
        // The stub's own toString reports once; the value text is empty.
        QCOMPARE(stub.save(Variant(5)), Dump(Dump::Atom(QStringLiteral("int"), QString())));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.reports().first().function, QStringLiteral("Trade::StubConverterImpl::toString"));

        reports.clear();
        Trade::ShowOnlyConverter showOnly;
        QCOMPARE(showOnly.save(Variant(5)), Dump(Dump::Atom(QStringLiteral("int"), QStringLiteral("shown"))));
        QCOMPARE(showOnly.save(Variant()), Dump(Dump::Atom(QString(), QStringLiteral("shown"))));
        QCOMPARE(reports.count(), 0);
    }

    // fromVariant ('f') takes the enumeration or its index as an int, toVariant ('t') gives the
    // index (-1 for no value), toString ('s') the enumeration's own text.
    void enumerationConversions_data()
    {
        QTest::addColumn<char>("operation");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<Variant>("expected");
        QTest::addColumn<QStringList>("reportLines");

        const auto line = [](const char *function, const char *condition) {
            return QStringList{ReportRecorder::line(enumFile, enumFunction(function), QString::fromLatin1(condition))};
        };
        const QStringList none;
        const QStringList unexpected = line("fromVariant", "false && \"Unexpected type.\"");
        const Variant red = colour(Trade::Colour::Red);
        const Variant blue = colour(Trade::Colour::Blue);
        QTest::addRow("from empty") << 'f' << Variant() << Variant() << none;
        QTest::addRow("from enumeration") << 'f' << blue << blue << none;
        QTest::addRow("from int 0, the first") << 'f' << Variant(0) << red << none;
        QTest::addRow("from int 2, the third") << 'f' << Variant(2) << blue << none;
        QTest::addRow("from text") << 'f' << Variant(QStringLiteral("0")) << Variant() << unexpected;
        QTest::addRow("from unsigned") << 'f' << Variant(0u) << Variant() << unexpected;
        QTest::addRow("to, empty") << 't' << Variant() << Variant() << none;
        QTest::addRow("to, first is 0") << 't' << red << Variant(0) << none;
        QTest::addRow("to, third is 2") << 't' << blue << Variant(2) << none;
        QTest::addRow("to, no value is -1") << 't' << Variant::fromValue(Trade::Colour()) << Variant(-1) << none;
        QTest::addRow("to, int") << 't' << Variant(1) << Variant() << line("toVariant", "false && \"Invalid type.\"");
        QTest::addRow("text") << 's' << colour(Trade::Colour::Green) << Variant(QStringLiteral("colour 2")) << none;
        QTest::addRow("text of empty") << 's' << Variant() << Variant(QString())
                                       << line("toString", "false && \"Invalid type.\"");
    }

    void enumerationConversions()
    {
        QFETCH(char, operation);
        QFETCH(Variant, value);
        QFETCH(Variant, expected);
        QFETCH(QStringList, reportLines);

        Trade::ColourConverter converter;
        ReportRecorder reports;
        const Variant made = operation == 'f'   ? converter.fromVariant(value, Variant(99))
                             : operation == 't' ? converter.toVariant(value)
                                                : Variant(converter.toString(value));
        QCOMPARE(made.userType(), expected.userType());
        QVERIFY(made == expected);
        if (operation == 's' && value.isValid())
            QCOMPARE(value.toString(), made.valueOr(QString()));  // dispatched to the converter
        QCOMPARE(reports.lines(), reportLines);
    }

    void enumerationCompare_data()
    {
        QTest::addColumn<Variant>("left");
        QTest::addColumn<Variant>("right");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("reportLines");

        const QString typeLine = ReportRecorder::line(enumFile, enumFunction("compare"), u"left.userType() == right.userType()");
        const QString valueLine = ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                                       u"!\"unexpected data type or null value\"");
        QTest::addRow("equal") << colour(Trade::Colour::Red) << colour(Trade::Colour::Red) << 0 << QStringList();
        QTest::addRow("less") << colour(Trade::Colour::Red) << colour(Trade::Colour::Blue) << -1 << QStringList();
        QTest::addRow("greater") << colour(Trade::Colour::Blue) << colour(Trade::Colour::Green) << 1 << QStringList();
        // Another type: the compare reports, reads the int as no colour (and says so), and goes on.
        QTest::addRow("another type") << colour(Trade::Colour::Red) << Variant(1) << 1 << QStringList{typeLine, valueLine};
    }

    void enumerationCompare()
    {
        QFETCH(Variant, left);
        QFETCH(Variant, right);
        QFETCH(int, result);
        QFETCH(QStringList, reportLines);

        Trade::ColourConverter converter;
        ReportRecorder reports;
        QCOMPARE(converter.compare(left, right), result);
        QCOMPARE(reports.lines(), reportLines);
    }

    void enumerationSaveAndLoad()
    {
        Trade::ColourConverter converter;
        ReportRecorder reports;
        const Dump saved = colour(Trade::Colour::Blue).save();
        QCOMPARE(saved, Dump(Dump::Atom(QStringLiteral("Trade::Colour"), QStringLiteral("30"))));
        const Variant loaded = Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant());
        QCOMPARE(loaded.valueOr(Trade::Colour()), Trade::Colour::Blue);
        QCOMPARE(converter.save(Variant()), Dump(Dump::Atom()));
        QCOMPARE(reports.count(), 0);

        // Saving another type reports and goes on with no colour.
        QCOMPARE(converter.save(Variant(2)), Dump(Dump::Atom(QStringLiteral("int"), QStringLiteral("0"))));
        QCOMPARE(reports.lines().first(), ReportRecorder::line(enumFile, enumFunction("save"), u"value.is<T>()"));
        QCOMPARE(reports.count(), 2);  // and the typed read of the int
    }

    void typeTexts()
    {
        QCOMPARE(Trade::reportTypeText<Trade::Colour>(), QStringLiteral("class Trade::Colour"));
        QCOMPARE(Trade::reportTypeText<Trade::Colour::Type>(), QStringLiteral("enum Trade::Colour::Type"));
        QCOMPARE(Trade::reportTypeText<QString>(), QStringLiteral("class QString"));
        QCOMPARE(Trade::reportTypeText<int>(), QStringLiteral("int"));
    }
};

QTEST_GUILESS_MAIN(tst_Converters)
#include "tst_converters.moc"
