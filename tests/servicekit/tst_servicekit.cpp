// The service object: installing it and putting the previous one back.
#include <testsupport/reportrecorder.h>

#include <QtTest/QtTest>

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
};

QTEST_GUILESS_MAIN(tst_ServiceKit)
#include "tst_servicekit.moc"
