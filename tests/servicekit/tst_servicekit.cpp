// The service object: installing and restoring it, and the built-in service's lines in Qt's logging.
#include <basekit/iconverter.h>
#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>
#include <basekit/variant.h>
#include <testsupport/reportrecorder.h>

#include <QtTest/QtTest>

#include "rows.h"

namespace {

// What reached Qt's message handler: "<category> <type> <message>", and the context's place.
QStringList s_lines;
QStringList s_places;

void keepMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const char *const types[] = {"debug", "warning", "critical", "fatal", "info"};
    s_lines << QStringLiteral("%1 %2 %3").arg(QLatin1String(context.category), QLatin1String(types[type]), message);
    s_places << QStringLiteral("%1:%2 %3")
                    .arg(QLatin1String(context.file), QString::number(context.line), QLatin1String(context.function));
}

} // namespace

class tst_ServiceKit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installAndRestore()
    {
        IMarquelService *builtIn = MarquelServiceApi();
        QVERIFY(builtIn);
        {
            Trade::ReportRecorder outer;
            QCOMPARE(MarquelServiceApi(), &outer);
            {
                Trade::ReportRecorder inner;
                QCOMPARE(MarquelServiceApi(), &inner);
                // A log line just before an assertion of the same place is that report's message, and no other's.
                MarquelServiceApi()->logMessage(0, 3, u"f", 1, u"g", nullptr, u"said");
                MarquelServiceApi()->reportAssertion(u"f", 1, u"g", nullptr, u"c");
                MarquelServiceApi()->reportAssertion(u"f", 2, u"g", nullptr, u"d");
                QCOMPARE(inner.lines(), QStringList({Trade::ReportRecorder::line(u"f", u"g", u"c", u"said"),
                                                     Trade::ReportRecorder::line(u"f", u"g", u"d", u"")}));
            }
            QCOMPARE(MarquelServiceApi(), &outer);
            QCOMPARE(outer.count(), 0);
        }
        QCOMPARE(setMarquelServiceApi(nullptr), builtIn); // restored; null puts the built-in service back
        QCOMPARE(MarquelServiceApi(), builtIn);
    }

    // Above 2 always written; else from the channel's level up (negative: none). Recorders start channels at 0.
    void shouldLog()
    {
        const std::tuple<int, int, bool> rows[] = {
            {-100 /* not set */, 0, true}, {2, 1, false}, {2, 2, true}, {-1, 2, false}, {-1, 3, true}};
        for (const auto &[level, severity, logged] : eachRow(rows)) {
            Trade::ReportRecorder recorder;
            if (level != -100)
                recorder.setChannelLevel(5, qint8(level));
            QCOMPARE(recorder.shouldLog(5, severity), logged);
        }
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        QLoggingCategory::setFilterRules(QString());
        s_lines.clear();
        s_places.clear();
    }

    void throughQtLogging_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QList<int>>("shown"); // which of the lines below
        QTest::newRow("every line") << QString() << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("this program's warnings off")
            << QStringLiteral("tst_servicekit.report.warning=false") << QList<int>{2, 3, 5, 6};
    }

    // Lines go to Qt's message handler, under the category of the library whose code made them, typed by severity.
    void throughQtLogging()
    {
        QFETCH(QString, rules);
        QFETCH(QList<int>, shown);
        QLoggingCategory::setFilterRules(rules);
        qInstallMessageHandler(keepMessage);

        const int index = 2;
        const unsigned line = __LINE__ + 1;
        TRADE_ASSERT(index < 2, u"Test::report", u"servicetest", this) << "Out of range.";
        Trade::StubConverterImpl().toString(Trade::Variant());
        for (int severity = 4; severity >= 1; --severity)
            Shadow::LogStream(0, severity, u"servicetest", line, u"Test::log") << "severity " << severity;
        MarquelServiceApi()->reportAssertion(u"direct", line, u"Test::direct", nullptr, u"called");
        const unsigned bareLine = __LINE__ + 1; // a report without a message writes no message line
        TRADE_ASSERT_BARE(index < 2, u"Test::bare", u"servicetest", this);
        qInstallMessageHandler(nullptr);

        const QString own = QStringLiteral("tst_servicekit.report %1 %2:") + QString::number(line);
        const QStringList all = {
            own.arg(u"warning", u"LOG[0/3] servicetest") + QStringLiteral(" Test::report: \"Out of range.\" "),
            own.arg(u"warning", u"ASSERT servicetest") + QStringLiteral(" Test::report: index < 2"),
            QStringLiteral("basekit.report warning ASSERT trade/common/export/include/iconverter:* "
                           "Trade::StubConverterImpl::toString: !\"Not Implemented.\""),
            own.arg(u"critical", u"LOG[0/4] servicetest") + QStringLiteral(" Test::log: severity 4"),
            own.arg(u"warning", u"LOG[0/3] servicetest") + QStringLiteral(" Test::log: severity 3"),
            own.arg(u"info", u"LOG[0/2] servicetest") + QStringLiteral(" Test::log: severity 2"),
            own.arg(u"debug", u"LOG[0/1] servicetest") + QStringLiteral(" Test::log: severity 1"),
            own.arg(u"warning", u"ASSERT direct") + QStringLiteral(" Test::direct: called"),
            QStringLiteral("tst_servicekit.report warning ASSERT servicetest:%1 Test::bare: index < 2").arg(bareLine),
        };
        QStringList expected;
        for (int i : std::as_const(shown))
            expected << all.at(i);
        QStringList seen = s_lines; // basekit's line number is its own
        seen.replaceInStrings(QRegularExpression(QStringLiteral("iconverter:\\d+")), QStringLiteral("iconverter:*"));
        QCOMPARE(seen, expected);
        if (shown.value(0, -1) == 0) // the context carries the report's place
            QCOMPARE(s_places.first(), QStringLiteral("servicetest:%1 Test::report").arg(line));
    }
};

QTEST_GUILESS_MAIN(tst_ServiceKit)
#include "tst_servicekit.moc"
