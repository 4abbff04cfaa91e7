// Log categories, event sources and reasons, gestures: their texts, reports and the log
// category's converter.
#include <testsupport/reportrecorder.h>

#include <typekit/eventsource.h>
#include <typekit/log/logcategory.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {
QString namedInt(const char *expression, int value)
{
    return QStringLiteral("\"\" \"%1\"=\"{\n    \"type\": \"int\",\n    \"value\": \"%2\"\n}\n\" ")
        .arg(QLatin1String(expression))
        .arg(value);
}
} // namespace

class tst_EventEnumerations : public QObject
{
    Q_OBJECT

private slots:
    void logCategories_data();
    void logCategories();
    void logCategoryConverter();
    void eventSources_data();
    void eventSources();
    void eventReasons();
    void invocationOutsideTable();
};

void tst_EventEnumerations::logCategories_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    const char *texts[] = {"", "Balance", "Broker Order", "Broker Message", "Connection", "Execution", "Local Order",
                           "Position", ""};
    for (int value = 0; value <= 8; ++value)
        QTest::addRow("%d", value) << value << QString::fromLatin1(texts[value]);
}

void tst_EventEnumerations::logCategories()
{
    QFETCH(int, value);
    QFETCH(QString, text);

    ReportRecorder reports;
    const LogCategory category{LogCategory::Type(value)};
    QCOMPARE(category.toString(), text);
    QCOMPARE(category.toSaveableString(), text);
    const QString line = ReportRecorder::line(u"log/logcategory", u"Trade::LogCategory::operator class QString",
                                              u"false && \"Unknown value\"");
    QCOMPARE(reports.lines(), text.isEmpty() ? QStringList({line, line}) : QStringList());
}

void tst_EventEnumerations::logCategoryConverter()
{
    ReportRecorder reports;
    const Variant execution = Variant::fromValue(LogCategory(LogCategory::Execution));
    QCOMPARE(execution.toString(), QStringLiteral("Execution"));
    QCOMPARE(execution.convert(QMetaType::Int, Variant()), Variant(4));
    QCOMPARE(Variant(0).convert(qMetaTypeId<LogCategory>(), Variant()).valueOr(LogCategory()), LogCategory::Balance);
    const Dump saved = execution.save();
    QCOMPARE(saved, Dump(Dump::Atom(QStringLiteral("Trade::LogCategory"), QStringLiteral("Execution"))));
    // Categories are not read back from their text: a loaded one is the default.
    QCOMPARE(Variant::load(saved, Variant()).valueOr(LogCategory(LogCategory::Position)).type(), 0);
    QCOMPARE(reports.count(), 0);
}

void tst_EventEnumerations::eventSources_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("gesture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("reports");

    const QStringList none;
    QTest::addRow("source and gesture") << 3 << 2 << "Chart Mouse Left Click" << none;
    QTest::addRow("source alone") << 3 << 0 << "Chart" << none;
    QTest::addRow("gesture alone") << 0 << 11 << "Hot Key" << none;
    QTest::addRow("neither") << 0 << 0 << "" << none;
    QTest::addRow("ampersand") << 8 << 0 << "Time & Sales" << none;
    QTest::addRow("last source") << 26 << 9 << "Quote Board Label Button" << none;
    QTest::addRow("source beyond")
        << 27 << 1 << "Button Click"
        << QStringList{ReportRecorder::line(u"eventsource", u"Trade::EventSource::formatSource",
                                            u"false && \"Invalid value\"", namedInt("(int)m_source", 27))};
    QTest::addRow("gesture beyond")
        << 1 << 12 << "Trade Manager"
        << QStringList{ReportRecorder::line(u"invocationtype", u"Common::InvocationType::toString", u"false",
                                            ReportRecorder::quoted(u"Invalid value"))};
}

void tst_EventEnumerations::eventSources()
{
    QFETCH(int, source);
    QFETCH(int, gesture);
    QFETCH(QString, text);
    QFETCH(QStringList, reports);

    ReportRecorder recorder;
    EventSource event{EventSource::Source(source), Common::InvocationType(gesture)};
    QCOMPARE(event.toString(), text);
    QCOMPARE(recorder.lines(), reports);

    EventSource logged = event;
    logged.setLogged(true);
    QVERIFY(logged.isLogged() && !event.isLogged());
    QVERIFY(logged == event);  // the logged flag does not count
    QVERIFY(event != EventSource(EventSource::Source(source), Common::InvocationType(gesture + 1)));
}

void tst_EventEnumerations::eventReasons()
{
    ReportRecorder reports;
    const EventReason typed(EventReason::CloseAndCancelShorts);
    const EventReason freeText(QStringLiteral("rebalancing"));
    QCOMPARE(typed.toString(), QStringLiteral("Close And Cancel Shorts"));
    QCOMPARE(EventReason(EventReason::CloseAndCancelAll).toString(), QStringLiteral("Close and Cancel All"));
    QCOMPARE(freeText.toString(), QStringLiteral("rebalancing"));
    QVERIFY(typed.isValid() && !freeText.isValid());
    QVERIFY(freeText == EventReason(QStringLiteral("another text")));  // the reason alone counts
    QVERIFY(typed != freeText);
    QCOMPARE(reports.count(), 0);

    QCOMPARE(EventReason(EventReason::Type(18)).toString(), QString());
    QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"eventsource", u"Trade::EventReason::toString",
                                                               u"false && \"Invalid value\"", namedInt("(int)type()", 18))});
}

void tst_EventEnumerations::invocationOutsideTable()
{
    ReportRecorder reports;
    QCOMPARE(Common::InvocationType(-1).toString(), QString());
    QCOMPARE(Common::InvocationType(Common::InvocationType::ButtonClick).toString(), QStringLiteral("Button Click"));
    QCOMPARE(reports.count(), 1);
}

QTEST_GUILESS_MAIN(tst_EventEnumerations)
#include "tst_eventenumerations.moc"
