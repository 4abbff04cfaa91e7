// Storage filters: chained building, the reports of unset properties, and the derived filters.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/position/positionstoragefilter.h>

#include <basekit/logstream.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

using namespace Trade;

class tst_StorageFilter : public QObject, SampleMarket
{
    Q_OBJECT


private slots:
    void unsetPropertiesReport()
    {
        const QString file = QStringLiteral("storage/storagefilter");
        ReportRecorder reports;
        const StorageFilter filter;
        QVERIFY(!filter.hasSymbol() && !filter.hasAccounts() && !filter.hasSide() && !filter.hasAffiliationInformation());
        QCOMPARE(filter.symbol(), nullptr);
        QVERIFY(filter.accounts().isEmpty());
        QCOMPARE(int(TradeSide::Type(filter.side())), 0);
        QVERIFY(!filter.affiliationInformation().useAnyAffiliation());
        StorageFilter nulls;
        nulls.symbol(nullptr).account(nullptr).side(TradeSide());
        QVERIFY(nulls.hasAccounts());  // stored all the same
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(file, u"Trade::StorageFilter::symbol", u"hasSymbol()"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::accounts", u"hasAccounts()"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::side", u"hasSide()"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::affiliationInformation", u"hasAffiliationInformation()"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::setSymbol", u"value != 0"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::addAccount", u"value != 0"),
                              ReportRecorder::line(file, u"Trade::StorageFilter::setSide", u"value != TradeSide::Unknown")}));
    }

    void building()
    {
        ReportRecorder reports;
        StorageFilter filter;
        filter.type(StorageFilter::Type(2)).symbol(&es).account(&account).account(&account).side(TradeSide(TradeSide::Short));
        filter.accounts({&account});
        QCOMPARE(int(filter.type()), 2);
        QCOMPARE(filter.symbol(), &es);
        QCOMPARE(filter.accounts(), QVector<IAccount *>({&account, &account, &account}));  // repeats kept
        QVERIFY(filter.side().isShort());

        AffiliationInformationFilter any;
        any.setUseAnyAffiliation(true);  // valid without document or page
        filter.affiliationInformation(any);
        QVERIFY(filter.hasAffiliationInformation());
        QCOMPARE(reports.count(), 0);

        const Variant travelling = Variant::fromValue(filter);
        QCOMPARE(travelling.strongValue<StorageFilter>().symbol(), &es);
    }

    void derivedFilters()
    {
        StorageFilter common;
        common.symbol(&es).account(&account);
        ReportRecorder reports;
        OrderStorageFilter orders(common);
        QCOMPARE(orders.symbol(), &es);
        QVERIFY(!orders.hasCanCancel() && !orders.hasWorking());
        orders.canCancel(false).working(true).side(TradeSide(TradeSide::Long));  // chains keep the order filter
        QVERIFY(orders.hasCanCancel() && !orders.canCancel());
        QVERIFY(orders.working());
        QCOMPARE(reports.count(), 0);

        const OrderStorageFilter copy = orders;
        QVERIFY(copy.hasWorking() && copy.side().isLong());

        PositionStorageFilter positions(common);
        QVERIFY(!positions.canClose());
        QVERIFY(!OrderStorageFilter().working());
        QVERIFY(!OrderStorageFilter().canCancel());
        positions.canClose(true).symbol(&es);
        QVERIFY(positions.canClose());
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"position/positionstoragefilter", u"Trade::PositionStorageFilter::canClose", u"hasCanClose()"),
                              ReportRecorder::line(u"order/orderstoragefilter", u"Trade::OrderStorageFilter::working", u"hasWorking()"),
                              ReportRecorder::line(u"order/orderstoragefilter", u"Trade::OrderStorageFilter::canCancel", u"hasCanCancel()")}));
        QCOMPARE(Variant::fromValue(positions).userType(), PositionStorageFilter::metaTypeId);
    }

    void affiliationInLogs_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("text");

        QTest::addRow("empty") << "" << "" << "affiliation <empty>";
        QTest::addRow("document only") << "Desk" << "" << "affiliation [document='Desk', page='']";
        QTest::addRow("both") << "Desk" << "Futures" << "affiliation [document='Desk', page='Futures']";
    }

    void affiliationInLogs()
    {
        QFETCH(QString, document);
        QFETCH(QString, page);
        QFETCH(QString, text);

        ReportRecorder logs;
        Shadow::LogStream(5, 3, u"test", 1, u"Test::log") << "affiliation " << AffiliationInformation{document, page};
        QCOMPARE(logs.logs().size(), 1);
        QCOMPARE(logs.logs().first().text, text);
        QCOMPARE(logs.logs().first().channel, 5);

        logs.setChannelLevel(5, -1);  // a low severity on a channel that is off is dropped
        Shadow::LogStream(5, 2, u"test", 1, u"Test::log") << "dropped";
        QCOMPARE(logs.logs().size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_StorageFilter)
#include "tst_storagefilter.moc"
