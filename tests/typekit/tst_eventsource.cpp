#include <testsupport/reportrecorder.h>

#include <typekit/eventsource.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_EventSource : public QObject
{
    Q_OBJECT

    static QString namedInt(const char *expression, int value)
    {
        return QStringLiteral("\"\" \"%1\"=\"{\n    \"type\": \"int\",\n    \"value\": \"%2\"\n}\n\" ")
            .arg(QLatin1String(expression))
            .arg(value);
    }

private Q_SLOTS:
    void sourcesAndReasons()
    {
        const QString invalidGesture = ReportRecorder::line(u"invocationtype", u"Common::InvocationType::toString",
                                                            u"false", ReportRecorder::quoted(u"Invalid value"));
        const QString invalidSource =
            ReportRecorder::line(u"eventsource", u"Trade::EventSource::formatSource", u"false && \"Invalid value\"",
                                 namedInt("(int)m_source", 27));
        // Source, gesture, text, reports: either text alone when the other is empty; 26 is the last source.
        using Row = std::tuple<int, int, const char *, QStringList>;
        for (const auto &[source, gesture, text, lines] : eachRow(std::array{
                 Row(3, 2, "Chart Mouse Left Click", {}), Row(3, 0, "Chart", {}), Row(0, 11, "Hot Key", {}),
                 Row(0, 0, "", {}), Row(8, 0, "Time & Sales", {}), Row(26, 9, "Quote Board Label Button", {}),
                 Row(27, 1, "Button Click", {invalidSource}), Row(1, 12, "Trade Manager", {invalidGesture}),
                 Row(1, -1, "Trade Manager", {invalidGesture})})) {
            ReportRecorder reports;
            const EventSource event{EventSource::Source(source), Common::InvocationType(gesture)};
            QCOMPARE(event.toString(), QLatin1String(text));
            QCOMPARE(reports.lines(), lines);

            EventSource logged = event;
            logged.setLogged(true);
            QVERIFY(logged == event); // the logged flag does not count
            QVERIFY(event != EventSource(EventSource::Source(source), Common::InvocationType(gesture + 1)));
        }

        ReportRecorder reports;
        const EventReason typed(EventReason::CloseAndCancelShorts), freeText(QStringLiteral("rebalancing"));
        QCOMPARE(typed.toString(), QStringLiteral("Close And Cancel Shorts"));
        QCOMPARE(freeText.toString(), QStringLiteral("rebalancing"));
        QVERIFY(typed.isValid() && !freeText.isValid());
        QVERIFY(freeText == EventReason(QStringLiteral("another text"))); // the reason alone counts

        QCOMPARE(EventReason(EventReason::Type(18)).toString(), QString());
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(u"eventsource", u"Trade::EventReason::toString",
                                                  u"false && \"Invalid value\"", namedInt("(int)type()", 18))});
    }
};

QTEST_GUILESS_MAIN(tst_EventSource)
#include "tst_eventsource.moc"
