// Storage filters: chained building, the reports of unset properties, and the derived filters.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/position/positionstoragefilter.h>

#include <basekit/logstream.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_StorageFilter : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void unsetPropertiesReport()
    {
        const auto line = [](const char *member, QStringView condition) {
            const QString function = QStringLiteral("Trade::StorageFilter::") + QLatin1String(member);
            return ReportRecorder::line(u"storage/storagefilter", function, condition);
        };
        ReportRecorder reports;
        const StorageFilter filter;
        QVERIFY(!filter.hasSymbol() && !filter.hasAccounts() && !filter.hasSide()
                && !filter.hasAffiliationInformation());
        QCOMPARE(filter.symbol(), nullptr);
        QVERIFY(filter.accounts().isEmpty());
        QCOMPARE(int(TradeSide::Type(filter.side())), 0);
        QVERIFY(!filter.affiliationInformation().useAnyAffiliation());
        StorageFilter nulls;
        nulls.symbol(nullptr).account(nullptr).side(TradeSide());
        QVERIFY(nulls.hasAccounts()); // stored all the same
        QCOMPARE(reports.lines(),
                 QStringList(
                     {line("symbol", u"hasSymbol()"), line("accounts", u"hasAccounts()"), line("side", u"hasSide()"),
                      line("affiliationInformation", u"hasAffiliationInformation()"), line("setSymbol", u"value != 0"),
                      line("addAccount", u"value != 0"), line("setSide", u"value != TradeSide::Unknown")}));
    }

    void building()
    {
        ReportRecorder reports;
        StorageFilter filter;
        filter.type(StorageFilter::Type(2))
            .symbol(&market->es)
            .account(&market->account)
            .account(&market->account)
            .side(TradeSide(TradeSide::Short));
        filter.accounts({&market->account});
        QCOMPARE(filter.accounts(),
                 QVector<IAccount *>({&market->account, &market->account, &market->account})); // repeats kept
        QVERIFY(filter.side().isShort());

        AffiliationInformationFilter any;
        any.setUseAnyAffiliation(true); // valid without document or page
        filter.affiliationInformation(any);
        QVERIFY(filter.hasAffiliationInformation());
        QCOMPARE(reports.count(), 0);
        QCOMPARE(Variant::fromValue(filter).strongValue<StorageFilter>().symbol(), &market->es);
    }

    void derivedFilters()
    {
        StorageFilter common;
        common.symbol(&market->es).account(&market->account);
        ReportRecorder reports;
        OrderStorageFilter orders(common);
        QCOMPARE(orders.symbol(), &market->es);
        QVERIFY(!orders.hasCanCancel() && !orders.hasWorking());
        orders.canCancel(false).working(true).side(TradeSide(TradeSide::Long)); // chains keep the order filter
        QVERIFY(orders.hasCanCancel() && !orders.canCancel() && orders.working() && orders.side().isLong());
        QCOMPARE(reports.count(), 0);

        PositionStorageFilter positions(common);
        QVERIFY(!positions.canClose());
        QVERIFY(!OrderStorageFilter().working() && !OrderStorageFilter().canCancel());
        positions.canClose(true).symbol(&market->es);
        QVERIFY(positions.canClose());
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"position/positionstoragefilter",
                                                   u"Trade::PositionStorageFilter::canClose", u"hasCanClose()"),
                              ReportRecorder::line(u"order/orderstoragefilter", u"Trade::OrderStorageFilter::working",
                                                   u"hasWorking()"),
                              ReportRecorder::line(u"order/orderstoragefilter", u"Trade::OrderStorageFilter::canCancel",
                                                   u"hasCanCancel()")}));
        QCOMPARE(Variant::fromValue(positions).userType(), PositionStorageFilter::metaTypeId);
    }

    // How an affiliation reads in logs, and whether it alone makes an affiliation filter valid.
    void affiliations()
    {
        const struct
        {
            const char *document, *page, *text;
            bool valid;
        } rows[] = {
            {"", "", "affiliation <empty>", false},
            {"Desk", "", "affiliation [document='Desk', page='']", true},
            {"", "Futures", "affiliation [document='', page='Futures']", true},
            {"Desk", "Futures", "affiliation [document='Desk', page='Futures']", true},
        };
        ReportRecorder logs;
        for (const auto &row : eachRow(rows)) {
            const AffiliationInformation affiliation{QString::fromLatin1(row.document), QString::fromLatin1(row.page)};
            Shadow::LogStream(5, 3, u"test", 1, u"Test::log") << "affiliation " << affiliation;
            QCOMPARE(logs.logs().last().text, QString::fromLatin1(row.text));
            QCOMPARE(AffiliationInformationFilter(affiliation).isValid(), row.valid);
        }
        QCOMPARE(logs.logs().size(), 4);
        QCOMPARE(logs.logs().first().channel, 5);

        logs.setChannelLevel(5, -1); // a low severity on a channel that is off is dropped
        Shadow::LogStream(5, 2, u"test", 1, u"Test::log") << "dropped";
        QCOMPARE(logs.logs().size(), 4);
    }
};

QTEST_GUILESS_MAIN(tst_StorageFilter)
#include "tst_storagefilter.moc"
