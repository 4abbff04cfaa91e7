// Symbol names classified by their syntax, and names registered explicitly.
#include <symbolkit/korsymbol.h>

#include <QtTest/QtTest>

using namespace Symbology;

class tst_KorSymbol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typeOf_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<KorSymbolType>("type");
        const std::pair<const char *, KorSymbolType> rows[] = {
            {"", symbolTypeUndefined},
            {"MSFT", symbolTypeStock}, {"A", symbolTypeStock}, {"ZZ", symbolTypeStock}, {"1BC", symbolTypeUndefined}, {"ABCDE", symbolTypeStock}, {"ABCDEF", symbolTypeUndefined},
            {"BRK.B", symbolTypeStock}, {"BRK.BB", symbolTypeStock}, {"BRK.BBB", symbolTypeUndefined},
            {"BRK.", symbolTypeUndefined}, {".B", symbolTypeUndefined}, {"BRK.1", symbolTypeUndefined},
            {"ESZ26", symbolTypeFuture}, {"EZ90", symbolTypeFuture}, {"Z26", symbolTypeUndefined},
            {"ESXZ26", symbolTypeFuture}, {"ESXYZ26", symbolTypeUndefined}, {"ESA26", symbolTypeUndefined},
            {"ESZA6", symbolTypeUndefined}, {"ESZ2A", symbolTypeUndefined}, {"E1Z26", symbolTypeUndefined},
            {"@ES", symbolTypeFutureContinuous}, {"@", symbolTypeUndefined}, {"@E1", symbolTypeUndefined},
            {"EUR/USD", symbolTypeForex}, {"EUR/US1", symbolTypeUndefined}, {"1UR/USD", symbolTypeUndefined},
            {"ABCDEFG", symbolTypeUndefined}, {"EURO/USD", symbolTypeUndefined},
            {"$SPX.X", symbolTypeIndex}, {"$", symbolTypeUndefined}, {"=TECH", symbolTypeDictionary}, {"=", symbolTypeUndefined},
            {"ESZ26-ESH27", symbolTypeSpread}, {"MSFT-AAPL", symbolTypeSpread}, {"MSFT-ESH27", symbolTypeUndefined},
            {"ESZ26-", symbolTypeUndefined},
            {"AAPL 261218C200", symbolTypeStockOption}, {"ESZ26 C4000", symbolTypeFutureOption},
            {"AAPL ", symbolTypeUndefined}, {"12 C4000", symbolTypeUndefined}, {"12345", symbolTypeUndefined},
        };
        for (const auto &[name, type] : rows)
            QTest::addRow("%s", *name ? name : "empty") << QByteArray(name) << type;
        QTest::addRow("NUL for the month") << QByteArray("ES\0" "26", 5) << symbolTypeUndefined;
    }

    void typeOf()
    {
        QFETCH(QByteArray, name);
        QTEST(KorSymbol::typeOf(name.toStdString()), "type");
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
