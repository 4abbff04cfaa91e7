// The limits of the values' arithmetic that the README lists, with its figures, and the exact
// companions beside the described operations.
#include <samplehost/formatter.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

using namespace Trade;

class tst_Arithmetic : public QObject, SampleMarket
{
    Q_OBJECT

    Sample::Formatter formatter;
    Sample::Symbol tenths{QStringLiteral("TENTHS"), Symbology::symbolTypeFuture, 1, 10};
    Sample::Symbol fx{QStringLiteral("EUR/USD"), Symbology::symbolTypeForex, 1, 100000, 1.0, 100000};
    Sample::Symbol lots{QStringLiteral("LOTS"), Symbology::symbolTypeStock, 1, 100, 1.0, 100};

private Q_SLOTS:
    // Money and prices without a symbol compare in 1e-10 steps counted in a 64-bit integer: above
    // 922,337,203.69 every amount counts as the largest count.
    void money()
    {
        const auto profit = [this](double money) {
            Profit made(&es);
            made.setMoney(money);
            return made;
        };
        QVERIFY(profit(922337203.0) < profit(922337203.68));
        QVERIFY(profit(950e6) == profit(990e6));
        QVERIFY(!(profit(950e6) < profit(990e6)));
        QVERIFY(profit(-950e6) == profit(-990e6));
        QVERIFY(Price(900e6) < Price(910e6));
        QVERIFY(!(Price(950e6) < Price(990e6)));
    }

    // Lot counts in texts are read as doubles and multiplied by the lot size; quantities compare
    // with an absolute tolerance of the double epsilon.
    void fractionalLots()
    {
        const Quantity read(QStringLiteral("0.29"), &lots);
        QCOMPARE(read.value(), 28.999999999999996);
        QCOMPARE(read.wholeValue(), 28);
        QVERIFY(read != Quantity(29.0, &lots));
        // Fills of 0.29 and 0.01 lots closed by 0.3 lots: not flat.
        const Quantity net = read + Quantity(QStringLiteral("0.01"), &lots) - Quantity(QStringLiteral("0.3"), &lots);
        QVERIFY(!net.isZero());
        // The exact companion multiplies the decimal itself.
        const Quantity exact = Quantity::fromDecimalText(QStringLiteral("0.29"), &lots);
        QCOMPARE(exact.value(), 29.0);
        QCOMPARE(exact.symbol(), &lots);
        QVERIFY((exact + Quantity::fromDecimalText(QStringLiteral(" +.01"), &lots)
                 - Quantity::fromDecimalText(QStringLiteral("0.30"), &lots)).isZero());
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("-1234.5"), &lots).value(), -123450.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("0.00001"), &fx).value(), 1.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("1"), &fx).value(), 100000.0);
        // What is no plain decimal is read as the lot-count text reads it.
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("2e2"), &lots).value(), 20000.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("1,5"), &lots).value(), 0.0);
        QVERIFY(!Quantity::fromDecimalText(QString(), &lots).hasValue());
    }

    // Price texts are read as a double first and divided by the (inexact) tick size; the exact
    // companion rounds the decimal text half away from zero.
    void halfTickTexts_data()
    {
        QTest::addColumn<Sample::Symbol *>("symbol");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("read");
        QTest::addColumn<double>("exact");
        QTest::addRow("2.55 on tenths") << &tenths << "2.55" << 2.5 << 2.6;
        QTest::addRow("-2.55 on tenths") << &tenths << "-2.55" << -2.5 << -2.6;
        QTest::addRow("1.005 on cents") << &msft << "1.005" << 1.0 << 1.01;
        QTest::addRow("2.675 on cents") << &msft << "2.675" << 2.68 << 2.68;
        QTest::addRow("below half a tick") << &msft << "2.6749999" << 2.67 << 2.67;
        QTest::addRow("quarter ticks") << &es << "5012.375" << 5012.5 << 5012.5;
        QTest::addRow("fx, many decimals") << &fx << "1.087650000000000000000000001" << 1.08765 << 1.08765;
        QTest::addRow("leading zeros") << &fx << "000.000015" << 0.00002 << 0.00002;
        QTest::addRow("not plain: the host reads it") << &msft << " 1.5e1 " << 15.0 << 15.0;
    }
    void halfTickTexts()
    {
        QFETCH(Sample::Symbol *, symbol);
        QFETCH(QString, text);
        QFETCH(double, read);
        QFETCH(double, exact);
        QCOMPARE(Price(text, symbol), Price(read, symbol));
        const Price companion = Price::fromDecimalText(text, symbol);
        QCOMPARE(companion, Price(exact, symbol));
        QCOMPARE(companion.ticks(), Price(exact, symbol).ticks());
    }

    // A price's value is its tick size times its tick count.
    void ticksTimesCount()
    {
        QCOMPARE(Price(0.07, &msft).ticks(), qint64(7));
        QCOMPARE(Price(0.07, &msft).value(), 7 * (1.0 / 100.0));
        QVERIFY(Price(1e9, &fx).isOutOfRange());
        QCOMPARE(Price(1e9, &fx).value(), 1000000000.0000001);
        QVERIFY(!Price(1e9, &msft).isOutOfRange());
    }

    // Prices on different symbols compare at the finer of the two ticks: 100.25 on quarter ticks
    // and 100.3 on tenths are both 1003 tenths.
    void differentSymbols()
    {
        QVERIFY(Price(100.25, &es) == Price(100.3, &tenths));
        QVERIFY(Price(100.25, &es) != Price(100.2, &tenths));
        QVERIFY(Price(100.25, &es).ticks() != Price(100.3, &tenths).ticks());
    }
};

QTEST_GUILESS_MAIN(tst_Arithmetic)
#include "tst_arithmetic.moc"
