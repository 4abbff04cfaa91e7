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
        constexpr auto U = symbolTypeUndefined, S = symbolTypeStock, F = symbolTypeFuture;
        const std::pair<const char *, KorSymbolType> rows[] = {
            {"", U}, {"A", S}, {"ZZ", S}, {"1BC", U}, {"ABCDE", S}, {"ABCDEF", U}, {"BRK.B", S}, {"BRK.BB", S},
            {"BRK.BBB", U}, {"BRK.", U}, {".B", U}, {"BRK.1", U}, {"EZ90", F}, {"Z26", U}, {"ESXZ26", F},
            {"ESXYZ26", U}, {"ESA26", U}, {"ESZA6", U}, {"ESZ2A", U}, {"E1Z26", U}, {"@", U}, {"@E1", U},
            {"@ES", symbolTypeFutureContinuous}, {"EUR/USD", symbolTypeForex}, {"EUR/US1", U}, {"1UR/USD", U},
            {"EURO/USD", U}, {"$SPX.X", symbolTypeIndex}, {"$", U}, {"=TECH", symbolTypeDictionary}, {"=", U},
            {"ESZ26-ESH27", symbolTypeSpread}, {"MSFT-AAPL", symbolTypeSpread}, {"MSFT-ESH27", U}, {"ESZ26-", U},
            {"AAPL 261218C200", symbolTypeStockOption}, {"ESZ26 C4000", symbolTypeFutureOption}, {"AAPL ", U},
            {"12 C4000", U},
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
        KorSymbol::registerName("MSFT", symbolTypeMutualFund); // an explicit name beats its syntax
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeMutualFund);
        KorSymbol::registerName("MSFT", symbolTypeMoneyFund); // registered again
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeMoneyFund);
        KorSymbol::unregisterName("MSFT");
        QCOMPARE(KorSymbol::typeOf("MSFT"), symbolTypeStock);
    }
};

QTEST_GUILESS_MAIN(tst_KorSymbol)
#include "tst_korsymbol.moc"
