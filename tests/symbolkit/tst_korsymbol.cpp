// Symbol names classified by their syntax, and names registered explicitly.
#include <symbolkit/korsymbol.h>

#include <QtTest/QtTest>

using namespace Symbology;

class tst_KorSymbol : public QObject
{
    Q_OBJECT

private slots:
    void typeOf_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("type");

        QTest::addRow("empty") << QByteArray("") << int(symbolTypeUndefined);
        QTest::addRow("stock") << QByteArray("MSFT") << int(symbolTypeStock);
        QTest::addRow("stock with class") << QByteArray("BRK.B") << int(symbolTypeStock);
        QTest::addRow("future") << QByteArray("ESZ26") << int(symbolTypeFuture);
        QTest::addRow("continuous future") << QByteArray("@ES") << int(symbolTypeFutureContinuous);
        QTest::addRow("forex") << QByteArray("EUR/USD") << int(symbolTypeForex);
        QTest::addRow("index") << QByteArray("$SPX.X") << int(symbolTypeIndex);
        QTest::addRow("future spread") << QByteArray("ESZ26-ESH27") << int(symbolTypeSpread);
        QTest::addRow("mixed spread") << QByteArray("MSFT-ESH27") << int(symbolTypeUndefined);
        QTest::addRow("stock option") << QByteArray("AAPL 261218C200") << int(symbolTypeStockOption);
        QTest::addRow("future option") << QByteArray("ESZ26 C4000") << int(symbolTypeFutureOption);
        QTest::addRow("dictionary") << QByteArray("=TECH") << int(symbolTypeDictionary);
        QTest::addRow("digits") << QByteArray("12345") << int(symbolTypeUndefined);
    }

    void typeOf()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, type);
        QCOMPARE(int(KorSymbol::typeOf(name.toStdString())), type);
    }

    void registeredNames()
    {
        KorSymbol::registerName("912828YV6", symbolTypeBond);
        KorSymbol::registerName("MSFT", symbolTypeMutualFund);  // an explicit name beats its syntax
        QCOMPARE(KorSymbol::typeOf("912828YV6"), symbolTypeBond);
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeMutualFund);
        KorSymbol::registerName("MSFT", symbolTypeMoneyFund);
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeMoneyFund);
        KorSymbol::unregisterName("MSFT");
        KorSymbol::unregisterName("912828YV6");
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeStock);
        QCOMPARE(KorSymbol::typeOf("912828YV6"), symbolTypeUndefined);
    }
};

QTEST_GUILESS_MAIN(tst_KorSymbol)
#include "tst_korsymbol.moc"
