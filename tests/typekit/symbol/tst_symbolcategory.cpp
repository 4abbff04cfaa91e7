// Symbol categories: the table of names, the domains, and categories of symbol names.
#include <testsupport/reportrecorder.h>

#include <samplehost/host.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtTest/QtTest>

using Trade::SymbolCategory;

namespace {
SymbolCategory category(int number)
{
    return SymbolCategory(Symbology::KorSymbolType(number));
}
} // namespace

class tst_SymbolCategory : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pluralName");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("canRoll");
        QTest::addColumn<bool>("tradeable");

        QTest::addRow("0") << 0 << "Undefined" << "" << false << false << false;
        QTest::addRow("3") << 3 << "Future" << "Futures" << true << true << true;
        QTest::addRow("4") << 4 << "Future Continuous" << "Future Continuous'" << true << true << false;
        QTest::addRow("5") << 5 << "Future Continuous" << "Future Continuous'" << true << true << false;
        QTest::addRow("8") << 8 << "" << "" << false << false << false;
        QTest::addRow("9") << 9 << "Future Spot" << "Future Spot" << true << true << false;
        QTest::addRow("13") << 13 << "Index" << "Indexes" << true << false << false;
        QTest::addRow("14") << 14 << "Stock" << "Stocks" << true << false << true;
        QTest::addRow("17") << 17 << "User-Defined Spread" << "User-Defined Spreads" << true << false << true;
        QTest::addRow("19") << 19 << "Money Fund" << "Money Funds" << true << false << true;
        QTest::addRow("23") << 23 << "" << "" << false << false << false;
        QTest::addRow("-1") << -1 << "" << "" << false << false << false;
    }

    void table()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, pluralName);
        QFETCH(bool, valid);
        QFETCH(bool, canRoll);
        QFETCH(bool, tradeable);

        const SymbolCategory value = category(number);
        QCOMPARE(value.isValid(), valid);
        QCOMPARE(value.canRoll(), canRoll);
        QCOMPARE(value.isTradeble(), tradeable);
        QCOMPARE(SymbolCategory::domain().contains(Trade::Variant::fromValue(value)), valid);

        ReportRecorder reports;
        QCOMPARE(value.name(), name);
        QCOMPARE(value.pluralName(), pluralName);
        const QStringList expected = valid
            ? QStringList()
            : QStringList{ReportRecorder::line(u"symbol/symbolcategory", u"Trade::SymbolCategory::name",
                                               u"false && \"unexpected category\""),
                          ReportRecorder::line(u"symbol/symbolcategory", u"Trade::SymbolCategory::pluralName",
                                               u"false && \"unexpected category\"")};
        QCOMPARE(reports.lines(), expected);
    }

    void textRoundTrip()
    {
        for (int number = 0; number <= 30; ++number)
            QCOMPARE(int(SymbolCategory::fromString(category(number).toString())), number);
        QCOMPARE(category(14).toString(), QStringLiteral("14"));
        QCOMPARE(int(SymbolCategory::fromString(QStringLiteral("Stock"))), 0);
        QCOMPARE(int(SymbolCategory::fromString(QStringLiteral("0x0E"))), 0);
        QCOMPARE(int(SymbolCategory::fromString(QString())), 0);
    }

    void domains()
    {
        const auto numbers = [](const Trade::Domain &domain) {
            QList<int> result;
            for (const Trade::Variant &value : domain.values())
                result << int(value.strongValue<SymbolCategory>());
            return result;
        };
        ReportRecorder reports;
        QCOMPARE(numbers(SymbolCategory::domain()), QList<int>({1, 2, 3, 4, 5, 6, 7, 9, 10, 13, 14, 15, 17, 18, 19}));
        QCOMPARE(numbers(SymbolCategory::tradeDomain()), QList<int>({1, 2, 3, 10, 7, 14, 15, 18, 19, 17}));
        // Copies: a caller's edit does not reach the next caller.
        Trade::Domain mine = SymbolCategory::tradeDomain();
        mine << Trade::Variant::fromValue(category(13));
        QCOMPARE(SymbolCategory::tradeDomain().size(), 10);
        QCOMPARE(reports.count(), 0);
    }

    void fromSymbolName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");

        QTest::addRow("stock") << "MSFT" << 14;
        QTest::addRow("future") << "ESZ26" << 3;
        QTest::addRow("continuous future is a future") << "@ES" << 3;
        QTest::addRow("unknown syntax") << "12345" << 0;
        QTest::addRow("dictionary stock") << "=TECH" << 14;
        QTest::addRow("dictionary continuous future") << "=FRONT" << 3;
        QTest::addRow("dictionary of dictionary") << "=TECH2" << 14;
        QTest::addRow("dictionary unknown") << "=NONE" << 0;
    }

    void fromSymbolName()
    {
        QFETCH(QString, name);
        QFETCH(int, number);

        Sample::Host host;
        host.dictionary().define("=TECH", "MSFT");
        host.dictionary().define("=TECH2", "=TECH");
        host.dictionary().define("=FRONT", "@ES");
        ReportRecorder reports;
        const SymbolCategory found = SymbolCategory::fromSymbolName(name);
        QCOMPARE(int(found), number);
        QCOMPARE(reports.count(), 0);
        if (name == QLatin1String("@ES"))
            QVERIFY(found.canRoll());
    }

    void dictionaryLoopsEnd()
    {
        Sample::Host host;
        host.dictionary().define("=A", "=B");
        host.dictionary().define("=B", "=A");
        QCOMPARE(int(SymbolCategory::fromSymbolName(QStringLiteral("=A"))), 0);

        // A chain as long as the bound still resolves; one hop more does not.
        for (int i = 0; i < SymbolCategory::maxDictionaryHops; ++i)
            host.dictionary().define("=C" + QByteArray::number(i), i + 1 < SymbolCategory::maxDictionaryHops ? "=C" + QByteArray::number(i + 1) : "MSFT");
        QCOMPARE(int(SymbolCategory::fromSymbolName(QStringLiteral("=C0"))), 14);
        host.dictionary().define("=D", "=C0");
        QCOMPARE(int(SymbolCategory::fromSymbolName(QStringLiteral("=D"))), 0);

        // Without a host of its own, the stand-in's empty dictionary knows no name.
        {
            Sample::Host inner;
            QCOMPARE(int(SymbolCategory::fromSymbolName(QStringLiteral("=A"))), 0);
        }
        QCOMPARE(int(SymbolCategory::fromSymbolName(QStringLiteral("=C0"))), 14);
    }
};

QTEST_GUILESS_MAIN(tst_SymbolCategory)
#include "tst_symbolcategory.moc"
