// The sample host's own edges: what it says when it is used out of order.
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <testsupport/reportrecorder.h>

#include <QtTest/QtTest>

class tst_SampleHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A symbol keeps its figures in a record over the installed symbol topic: one made before the
    // host's topics says so, once, and has neither name nor figures; one made after has both.
    void symbolBeforeTopics()
    {
        Trade::ReportRecorder reports;
        {
            Sample::Symbol early(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
            QCOMPARE(reports.lines(),
                     QStringList({Trade::ReportRecorder::line(
                         u"samplehost/symbol", u"Sample::Symbol::Symbol", u"m_topic != nullptr",
                         Trade::ReportRecorder::quoted(u"The standard topics are not installed: the symbol has no "
                                                       u"name and no figures. Name=\"ESZ26\""))}));
            QCOMPARE(early.name(), QString());
        }
        Sample::StandardTopics topics;
        Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
        QCOMPARE(es.name(), QStringLiteral("ESZ26"));
        QCOMPARE(es.minMovement(), 25);
        QCOMPARE(reports.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SampleHost)
#include "tst_samplehost.moc"
