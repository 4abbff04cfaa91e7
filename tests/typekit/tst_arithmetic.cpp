// The limits of the values' arithmetic the README lists, with its figures, and the exact companions beside them.
#include <samplehost/market.h>
#include <typekit/averageprice.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>

#include <QtTest/QtTest>

using namespace Trade;

class tst_Arithmetic : public QObject
{
    Q_OBJECT

    struct World : Sample::Market
    {
        Sample::Symbol tenths{QStringLiteral("TENTHS"), Symbology::symbolTypeFuture, 1, 10};
        Sample::Symbol fx{QStringLiteral("EUR/USD"), Symbology::symbolTypeForex, 1, 100000, 1.0, 100000};
        Sample::Symbol lots{QStringLiteral("LOTS"), Symbology::symbolTypeStock, 1, 100, 1.0, 100};
        Sample::Symbol fives{QStringLiteral("FIVES"), Symbology::symbolTypeFuture, 5, 1};
        Sample::Symbol noTick{QStringLiteral("NOTICK"), Symbology::symbolTypeFuture, 0, 100};
    };
    World market;

private Q_SLOTS:

    void cleared()
    {
        const auto cleared = [](auto value) {
            value.clear();
            return !value.hasValue() && !value.symbol();
        };
        QVERIFY(cleared(Price(5.0, &market.es)) && cleared(Quantity(3.0, &market.es)));
        QVERIFY(cleared(Profit::fromMoney(2.0, &market.es)) && cleared(AveragePrice(5.0, &market.es)));
    }

    // Lot counts in texts are doubles times the lot size; quantities compare within the double epsilon.
    void fractionalLots()
    {
        const Quantity read(QStringLiteral("0.29"), &market.lots);
        QCOMPARE(read.value(), 28.999999999999996);
        const Quantity net =
            read + Quantity(QStringLiteral("0.01"), &market.lots) - Quantity(QStringLiteral("0.3"), &market.lots);
        QVERIFY(!net.isZero());
        const Quantity exact = Quantity::fromDecimalText(QStringLiteral("0.29"), &market.lots);
        QVERIFY(exact.value() == 29.0 && exact.symbol() == &market.lots);
        QVERIFY((exact + Quantity::fromDecimalText(QStringLiteral(" +.01"), &market.lots)
                 - Quantity::fromDecimalText(QStringLiteral("0.30"), &market.lots))
                    .isZero());
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("-1234.5"), &market.lots).value(), -123450.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("0.00001"), &market.fx).value(), 1.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("1"), &market.fx).value(), 100000.0);
        // What is no plain decimal is read as the lot-count text reads it.
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("2e2"), &market.lots).value(), 20000.0);
        QCOMPARE(Quantity::fromDecimalText(QStringLiteral("1,5"), &market.lots).value(), 0.0);
        QVERIFY(!Quantity::fromDecimalText(QString(), &market.lots).hasValue());
    }

    // Price texts are doubles divided by the (inexact) tick; the exact companion rounds the decimal half away from 0.
    void halfTickTexts_data()
    {
        QTest::addColumn<QString>("symbolName"); // the rows are made before the market
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("read");
        QTest::addColumn<double>("exact");
        const auto row = [](const char *name, const char *symbol, const char *text, double read, double exact) {
            QTest::addRow("%s", name) << QString::fromLatin1(symbol) << QString::fromLatin1(text) << read << exact;
        };
        row("2.55 on tenths", "TENTHS", "2.55", 2.5, 2.6);
        row("-2.55 on tenths", "TENTHS", "-2.55", -2.5, -2.6);
        row("more digits than a double on fives", "FIVES", "12.49999999999999999999", 15.0, 10.0);
        row("no tick: the host reads it", "NOTICK", "2.55", 2.55, 2.55);
        row("1.005 on cents", "MSFT", "1.005", 1.0, 1.01);
        row("2.675 on cents", "MSFT", "2.675", 2.68, 2.68);
        row("below half a tick", "MSFT", "2.6749999", 2.67, 2.67);
        row("quarter ticks", "ESZ26", "5012.375", 5012.5, 5012.5);
        row("fx, many decimals", "EUR/USD", "1.087650000000000000000000001", 1.08765, 1.08765);
        row("leading zeros", "EUR/USD", "000.000015", 0.00002, 0.00002);
        row("not plain: the host reads it", "MSFT", " 1.5e1 ", 15.0, 15.0);
    }
    void halfTickTexts()
    {
        QFETCH(QString, symbolName);
        ISymbol *const symbol = Sample::Symbol::byName(symbolName);
        QFETCH(QString, text);
        QFETCH(double, read);
        QFETCH(double, exact);
        QCOMPARE(Price(text, symbol), Price(read, symbol));
        const Price companion = Price::fromDecimalText(text, symbol);
        QCOMPARE(companion, Price(exact, symbol));
    }

    void gridsAndSteps()
    {
        QCOMPARE(Price(0.07, &market.msft).value(), 7 * (1.0 / 100.0));
        QCOMPARE(Price(1e9, &market.fx).value(), 1000000000.0000001);
        // Money and symbol-less prices compare in 1e-10 steps counted in 64 bits: all above 922,337,203.69 are equal.
        const auto profit = [this](double money) { return Profit::fromMoney(money, &market.es); };
        QVERIFY(profit(922337203.0) < profit(922337203.68));
        QVERIFY(profit(950e6) == profit(990e6) && !(profit(950e6) < profit(990e6)));
        QVERIFY(profit(-950e6) == profit(-990e6));
        QVERIFY(Price(900e6) < Price(910e6) && !(Price(950e6) < Price(990e6)));

        // Different symbols compare at the finer tick: 100.25 on quarters and 100.3 on tenths are both 1003 tenths.
        QVERIFY(Price(100.25, &market.es) == Price(100.3, &market.tenths));
        QVERIFY(Price(100.25, &market.es) != Price(100.2, &market.tenths));
    }
};

QTEST_GUILESS_MAIN(tst_Arithmetic)
#include "tst_arithmetic.moc"
