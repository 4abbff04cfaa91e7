// The service object: installing and restoring it, and which severities reach the log.
#include "reportrecorder.h"

#include <QtTest/QtTest>

class tst_ServiceKit : public QObject
{
    Q_OBJECT

private slots:
    void installAndRestore();
    void shouldLog_data();
    void shouldLog();
};

void tst_ServiceKit::installAndRestore()
{
    IMarquelService *builtIn = MarquelServiceApi();
    QVERIFY(builtIn);
    {
        ReportRecorder outer;
        QCOMPARE(MarquelServiceApi(), &outer);
        {
            ReportRecorder inner;
            QCOMPARE(MarquelServiceApi(), &inner);
            MarquelServiceApi()->reportAssertion(u"f", 1, u"g", nullptr, u"c");
            QCOMPARE(inner.count(), 1);
        }
        QCOMPARE(MarquelServiceApi(), &outer);
        QCOMPARE(outer.count(), 0);
    }
    QCOMPARE(MarquelServiceApi(), builtIn);
    QCOMPARE(setMarquelServiceApi(nullptr), builtIn);  // null puts the built-in service back
    QCOMPARE(MarquelServiceApi(), builtIn);
}

void tst_ServiceKit::shouldLog_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("severity");
    QTest::addColumn<bool>("logged");

    QTest::addRow("channel off, severity 3") << -1 << 3 << true;
    QTest::addRow("channel off, severity 2") << -1 << 2 << false;
    QTest::addRow("level 1, severity 2") << 1 << 2 << true;
    QTest::addRow("level 2, severity 2") << 2 << 2 << true;
    QTest::addRow("level 2, severity 1") << 2 << 1 << false;
    QTest::addRow("level 0, severity 0") << 0 << 0 << true;
}

void tst_ServiceKit::shouldLog()
{
    QFETCH(int, level);
    QFETCH(int, severity);
    QFETCH(bool, logged);

    ReportRecorder service;
    service.setChannelLevel(5, qint8(level));
    QCOMPARE(service.shouldLog(5, severity), logged);
}

QTEST_GUILESS_MAIN(tst_ServiceKit)
#include "tst_servicekit.moc"
