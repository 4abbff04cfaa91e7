// Spread legs: the multiplier's tolerance, ordering, lookups by symbol, reports of legs without symbol or multiplier.
#include <testsupport/reportrecorder.h>
#include <samplehost/market.h>

#include <typekit/symbol/spreadleg.h>

#include <QtTest/QtTest>

#include <cmath>

using namespace Trade;

class tst_SpreadLeg : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void comparisonsLookupsAndReports()
    {
        ReportRecorder reports;
        QVERIFY(SpreadLeg(&market->es, 0.5) == SpreadLeg(&market->es, 0.5 + 1e-16));
        QVERIFY(SpreadLeg(&market->es, 1.0) != SpreadLeg(&market->es, 1.0 + 1e-15));
        QVERIFY(SpreadLeg(&market->es, 3.0) != SpreadLeg(&market->es, std::nextafter(3.0, 4.0))); // absolute tolerance
        QVERIFY(SpreadLeg(&market->es, 2.0) != SpreadLeg(&market->nq, 2.0));
        QVERIFY(!SpreadLeg(&market->es, -2.0).isPositive());
        QVERIFY(SpreadLeg(&market->es, 1.0) < SpreadLeg(&market->es, 2.0));
        QVERIFY(!(SpreadLeg(&market->es, 2.0) < SpreadLeg(&market->es, 2.0)));
        QCOMPARE(SpreadLeg(&market->es, 1.0) < SpreadLeg(&market->nq, -5.0),
                 quintptr(&market->es) < quintptr(&market->nq));
        const SpreadLegs legs{SpreadLeg(&market->nq, -1.0), SpreadLeg(&market->es, 2.0)};
        QCOMPARE(legs.legBySymbol(&market->es).multiplier(), 2.0);
        QVERIFY(!legs.legBySymbol(nullptr).isValid());
        QCOMPARE(legs.legBySymbol(nullptr).multiplier(), 0.0);

        const SpreadLeg tiny(&market->es, 1e-17);
        QVERIFY(!tiny.isPositive());
        const SpreadLeg none(nullptr, 1.0);
        const SpreadLeg copied(none);
        const QString file = QStringLiteral("symbol/spreadleg");
        const QString function = QStringLiteral("Trade::SpreadLeg::SpreadLeg");
        QCOMPARE(reports.lines(), QStringList({ReportRecorder::line(file, function, u"!Common::zero(multiplier)", u""),
                                               ReportRecorder::line(file, function, u"symbol != NULL", u""),
                                               ReportRecorder::line(file, function, u"m_symbol != NULL", u"")}));
    }
};

QTEST_GUILESS_MAIN(tst_SpreadLeg)
#include "tst_spreadleg.moc"
