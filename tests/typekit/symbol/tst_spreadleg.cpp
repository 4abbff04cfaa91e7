#include <testsupport/reportrecorder.h>
#include <samplehost/market.h>

#include <typekit/symbol/spreadleg.h>

#include <QtTest/QtTest>

#include "relations.h"
#include "rows.h"

#include <cmath>

using namespace Trade;

class tst_SpreadLeg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comparisonsLookupsAndReports()
    {
        // Multipliers within the double epsilon, an absolute tolerance, are equal; legs order by symbol first.
        const auto market = std::make_unique<Sample::Market>();
        ReportRecorder reports;
        constexpr double epsilon = std::numeric_limits<double>::epsilon();
        const auto leg = [&market](double multiplier) { return SpreadLeg(&market->es, multiplier); };
        const std::tuple<SpreadLeg, SpreadLeg, const char *> rows[] = {
            {leg(1.0), leg(1.0 + epsilon), "=="},
            {leg(1.0 + epsilon), leg(1.0), "=="},
            {leg(3.0), leg(std::nextafter(3.0, 4.0)), "!= <"},
            {leg(2.0), leg(1.0), "!="}};
        for (const auto &[left, right, holding] : eachRow(rows))
            QCOMPARE(relations(left, right), QLatin1String(holding));
        QVERIFY(SpreadLeg(&market->es, 2.0) != SpreadLeg(&market->nq, 2.0));
        QCOMPARE(SpreadLeg(&market->es, 1.0) < SpreadLeg(&market->nq, -5.0),
                 quintptr(&market->es) < quintptr(&market->nq));
        QVERIFY(!leg(-2.0).isPositive() && leg(2 * epsilon).isPositive());
        const SpreadLegs legs{SpreadLeg(&market->nq, -1.0), SpreadLeg(&market->es, 2.0)};
        QCOMPARE(legs.legBySymbol(&market->es).multiplier(), 2.0);
        QVERIFY(!legs.legBySymbol(nullptr).isValid() && legs.legBySymbol(nullptr).multiplier() == 0.0);

        QVERIFY(!SpreadLeg(&market->es, epsilon).isPositive()); // still zero: reported, and not positive
        const SpreadLeg none(nullptr, 1.0), copied(none);
        const auto line = [](QStringView condition) {
            return ReportRecorder::line(u"symbol/spreadleg", u"Trade::SpreadLeg::SpreadLeg", condition, u"");
        };
        QCOMPARE(reports.lines(),
                 QStringList({line(u"!Common::zero(multiplier)"), line(u"symbol != NULL"), line(u"m_symbol != NULL")}));
    }
};

QTEST_GUILESS_MAIN(tst_SpreadLeg)
#include "tst_spreadleg.moc"
