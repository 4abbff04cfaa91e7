// Spread legs: the multiplier's tolerance, ordering, lookups by symbol, reports of legs without symbol or multiplier.
#include <testsupport/reportrecorder.h>
#include "samplemarket.h"

#include <typekit/symbol/spreadleg.h>

#include <QtTest/QtTest>

#include <cmath>

using namespace Trade;

class tst_SpreadLeg : public QObject, SampleMarket
{
    Q_OBJECT

private Q_SLOTS:
    void comparisonsLookupsAndReports()
    {
        ReportRecorder reports;
        QVERIFY(SpreadLeg(&es, 0.5) == SpreadLeg(&es, 0.5 + 1e-16));
        QVERIFY(SpreadLeg(&es, 1.0) != SpreadLeg(&es, 1.0 + 1e-15));
        QVERIFY(SpreadLeg(&es, 3.0) != SpreadLeg(&es, std::nextafter(3.0, 4.0)));  // absolute tolerance
        QVERIFY(SpreadLeg(&es, 2.0) != SpreadLeg(&nq, 2.0));
        QVERIFY(!SpreadLeg(&es, -2.0).isPositive());
        QVERIFY(SpreadLeg(&es, 1.0) < SpreadLeg(&es, 2.0));
        QVERIFY(!(SpreadLeg(&es, 2.0) < SpreadLeg(&es, 2.0)));
        QCOMPARE(SpreadLeg(&es, 1.0) < SpreadLeg(&nq, -5.0), quintptr(&es) < quintptr(&nq));
        const SpreadLegs legs{SpreadLeg(&nq, -1.0), SpreadLeg(&es, 2.0)};
        QCOMPARE(legs.legBySymbol(&es).multiplier(), 2.0);
        QVERIFY(!legs.legBySymbol(nullptr).isValid());
        QCOMPARE(legs.legBySymbol(nullptr).multiplier(), 0.0);

        const SpreadLeg tiny(&es, 1e-17);
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
