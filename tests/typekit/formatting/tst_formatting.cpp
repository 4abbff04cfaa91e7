// The cumulative order quantity cell and the sample host's formatter it leans on.
#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <typekit/formatting/cumulativeorderquantityformatter.h>

#include <QtTest/QtTest>

using Trade::CumulativeOrderQuantityFormatter;

class tst_Formatting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cumulative()
    {
        Sample::Formatter formatter;
        // Each order is a pair of amounts; the cell shows the first total less the second, then the first total.
        const struct { QList<QPair<double, double>> orders; const char *text; } rows[] = {
            {{}, "0s"}, {{{1000, 0}, {500, 0}}, "1.5Ks"},  // "s" unless exactly one order
            {{{1500, 0}}, "1.5K"}, {{{100000, 0}}, "100K"}, {{{999, 0}}, "999"}, {{{-2000, 0}}, "-2000"},
            {{{2000000, 0}}, "2M"}, {{{2500000, 0}}, "2.5M"}, {{{10000000, 0}}, "10M"},
            {{{2000500, 0}}, "2000.5K"}, {{{1050, 0}}, "1050"},  // shortened for a multiple of 100 only
            {{{3000, 1000}}, "2K (3K)"}, {{{2.5, 0}}, "2.5"}, {{{2.5, 1}}, "1.5 (2.5)"}, {{{3, 0.5}}, "2.5 (3)"},
            {{{3e9, 0}}, "3,000,000,000"},                              // beyond the int range
            {{{2147483647, -2147483647}}, "4294967294 (2147483647)"}};  // the difference leaves the int range
        for (const auto &row : rows) {
            CumulativeOrderQuantityFormatter cell;
            for (const auto &[first, second] : row.orders)
                cell.addOrder(first, second);
            QCOMPARE(cell.format(), QLatin1String(row.text));
        }
    }

    void formatters()
    {
        ReportRecorder reports;
        CumulativeOrderQuantityFormatter cell;
        cell.addOrder(2.5, 1.0);
        QCOMPARE(cell.format(), QStringLiteral(" ()"));
        QCOMPARE(reports.count(), 2);  // one per quantity asked for
        cell.addOrder(-2.5, -1.0);  // whole totals need no formatter
        QCOMPARE(cell.format(), QStringLiteral("0s"));
        QCOMPARE(reports.count(), 2);

        Sample::Formatter formatter;
        QCOMPARE(formatter.formatMoney(1, Trade::Currency()), QStringLiteral("1.00"));
        // Formatters stack and may leave in any order.
        auto *inner = new Sample::Formatter;
        Sample::Formatter innermost;
        QCOMPARE(Trade::IFormatter::instance(), &innermost);
        delete inner;
        QCOMPARE(Trade::IFormatter::instance(), &innermost);
    }
};

QTEST_GUILESS_MAIN(tst_Formatting)
#include "tst_formatting.moc"
