// Event sources, reasons and gestures: their texts, equality and reports.
#include <testsupport/reportrecorder.h>

#include <typekit/eventsource.h>

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

class tst_EventSource : public QObject
{
    Q_OBJECT

private slots:
    void eventSources_data()
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

    void eventSources()
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

    void eventReasons()
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

    void invocationOutsideTable()
    {
        ReportRecorder reports;
        QCOMPARE(Common::InvocationType(-1).toString(), QString());
        QCOMPARE(Common::InvocationType(Common::InvocationType::ButtonClick).toString(), QStringLiteral("Button Click"));
        QCOMPARE(reports.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_EventSource)
#include "tst_eventsource.moc"
