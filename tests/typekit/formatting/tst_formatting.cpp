// The cumulative order quantity cell and the sample host's formatter it leans on.
#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <typekit/formatting/cumulativeorderquantityformatter.h>

#include <QtTest/QtTest>

using Trade::CumulativeOrderQuantityFormatter;

Q_DECLARE_METATYPE(QList<QPointF>)

class tst_Formatting : public QObject
{
    Q_OBJECT

private slots:
    void cumulative_data()
    {
        // Each point is one order: x the first amount, y the second.
        QTest::addColumn<QList<QPointF>>("orders");
        QTest::addColumn<QString>("text");

        QTest::addRow("no orders") << QList<QPointF>{} << "0s";
        QTest::addRow("thousands") << QList<QPointF>{{1500, 0}} << "1.5K";
        QTest::addRow("two orders") << QList<QPointF>{{1000, 0}, {500, 0}} << "1.5Ks";
        QTest::addRow("millions") << QList<QPointF>{{2000000, 0}} << "2M";
        QTest::addRow("millions with decimals") << QList<QPointF>{{2500000, 0}} << "2.5M";
        QTest::addRow("ten millions") << QList<QPointF>{{10000000, 0}} << "10M";
        QTest::addRow("hundreds of thousands") << QList<QPointF>{{100000, 0}} << "100K";
        QTest::addRow("multiple of 100 only") << QList<QPointF>{{2000500, 0}} << "2000.5K";
        QTest::addRow("below a thousand") << QList<QPointF>{{999, 0}} << "999";
        QTest::addRow("not a multiple of 100") << QList<QPointF>{{1050, 0}} << "1050";
        QTest::addRow("with second total") << QList<QPointF>{{3000, 1000}} << "2K (3K)";
        QTest::addRow("fractional") << QList<QPointF>{{2.5, 0}} << "2.5";
        QTest::addRow("fractional with second") << QList<QPointF>{{2.5, 1}} << "1.5 (2.5)";
        QTest::addRow("second fractional") << QList<QPointF>{{3, 0.5}} << "2.5 (3)";
        QTest::addRow("negative") << QList<QPointF>{{-2000, 0}} << "-2000";
        QTest::addRow("beyond int") << QList<QPointF>{{3e9, 0}} << "3,000,000,000";
        QTest::addRow("int extremes") << QList<QPointF>{{2147483647, -2147483647}} << "4294967294 (2147483647)";  // the difference leaves the int range
    }

    void cumulative()
    {
        QFETCH(QList<QPointF>, orders);
        QFETCH(QString, text);

        Sample::Formatter formatter;
        CumulativeOrderQuantityFormatter cell;
        for (const QPointF &order : orders)
            cell.addOrder(order.x(), order.y());
        QCOMPARE(cell.format(), text);
    }

    void withoutFormatter()
    {
        ReportRecorder reports;
        CumulativeOrderQuantityFormatter cell;
        cell.addOrder(2.5, 1.0);
        QCOMPARE(cell.format(), QStringLiteral(" ()"));
        QCOMPARE(reports.count(), 2);  // one per quantity asked for
        cell.addOrder(-2.5, -1.0);  // whole totals need no formatter
        QCOMPARE(cell.format(), QStringLiteral("0s"));
        QCOMPARE(reports.count(), 2);
    }

    void sampleFormatter()
    {
        Sample::Formatter formatter;
        QCOMPARE(formatter.formatQuantity(1234.5), QStringLiteral("1,234.5"));
        QCOMPARE(formatter.formatQuantity(3), QStringLiteral("3"));
        QCOMPARE(formatter.formatMoney(-1234.5, Trade::Currency(DataApi::currencyUSD)), QStringLiteral("-1,234.50 USD"));
        QCOMPARE(formatter.formatMoney(1, Trade::Currency()), QStringLiteral("1.00"));
        QCOMPARE(formatter.formatPercent(12.5), QStringLiteral("12.50%"));

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
