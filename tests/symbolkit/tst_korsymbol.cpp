// Symbol names classified by their syntax, and names registered explicitly.
#include <symbolkit/korsymbol.h>

#include <QtTest/QtTest>

using namespace Symbology;

class tst_KorSymbol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeOf()
    {
        QCOMPARE(KorSymbol::typeOf(""), symbolTypeUndefined);
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeStock);
        QCOMPARE(KorSymbol::typeOf("BRK.B"), symbolTypeStock);
        QCOMPARE(KorSymbol::typeOf("ESZ26"), symbolTypeFuture);
        QCOMPARE(KorSymbol::typeOf("@ES"), symbolTypeFutureContinuous);
        QCOMPARE(KorSymbol::typeOf("EUR/USD"), symbolTypeForex);
        QCOMPARE(KorSymbol::typeOf("$SPX.X"), symbolTypeIndex);
        QCOMPARE(KorSymbol::typeOf("ESZ26-ESH27"), symbolTypeSpread);
        QCOMPARE(KorSymbol::typeOf("MSFT-ESH27"), symbolTypeUndefined); // a spread of futures only
        QCOMPARE(KorSymbol::typeOf("AAPL 261218C200"), symbolTypeStockOption);
        QCOMPARE(KorSymbol::typeOf("ESZ26 C4000"), symbolTypeFutureOption);
        QCOMPARE(KorSymbol::typeOf("=TECH"), symbolTypeDictionary);
        QCOMPARE(KorSymbol::typeOf("12345"), symbolTypeUndefined);
    }

    void registeredNames()
    {
        KorSymbol::registerName("912828YV6", symbolTypeBond);
        KorSymbol::registerName("MSFT", symbolTypeMutualFund); // an explicit name beats its syntax
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
