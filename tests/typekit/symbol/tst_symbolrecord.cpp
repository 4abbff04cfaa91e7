// Symbol records: every attribute's accessors, and the category of dictionary-visible symbols.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/symbol/symbolrecord.h>

#include <QtTest/QtTest>

using namespace Trade;

class tst_SymbolRecord : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;

private slots:
    void attributes()
    {
        // Each attribute keeps its own value: a write to one never shows in another.
        ReportRecorder reports;
        SymbolRecord record;
        record.setName(QStringLiteral("ESZ26"));
        record.setBrokerName(QStringLiteral("ES DEC26"));
        record.setSymbolNameWithoutExchange(QStringLiteral("ES"));
        record.setCategory(Symbology::symbolTypeFuture);
        record.setUserDefinedMinMovement(25);
        record.setUserDefinedMinMovement2(5);
        record.setUserDefinedPriceScale(100);
        record.setUserDefinedBigPointValue(50.0);
        record.setBrokerProvidedMinMovement(1);
        record.setBrokerProvidedMinMovement2(2);
        record.setBrokerProvidedPriceScale(4);
        record.setBrokerProvidedBigPointValue(12.5);
        record.setPriceMultiplier(100.0);
        record.setBasketLegMultiplier(-1.5);
        record.setLotSize(10);
        record.setIsResolved(true);
        record.setAliases({QStringLiteral("ES"), QStringLiteral("@ES")});
        VariantRecord leg;
        leg.setValue(topics.symbol().nameField(), Variant(QStringLiteral("ESH27")));
        record.setSpreadLegs(VariantRecordList{leg});

        QCOMPARE(record.size(), 18);
        QCOMPARE(record.name(), QStringLiteral("ESZ26"));
        QCOMPARE(record.brokerName(), QStringLiteral("ES DEC26"));
        QCOMPARE(record.symbolNameWithoutExchange(), QStringLiteral("ES"));
        QCOMPARE(int(record.category()), 3);
        QCOMPARE(record.userDefinedMinMovement(), 25);
        QCOMPARE(record.userDefinedMinMovement2(), 5);
        QCOMPARE(record.userDefinedPriceScale(), 100);
        QCOMPARE(record.userDefinedBigPointValue(), 50.0);
        QCOMPARE(record.brokerProvidedMinMovement(), 1);
        QCOMPARE(record.brokerProvidedMinMovement2(), 2);
        QCOMPARE(record.brokerProvidedPriceScale(), 4);
        QCOMPARE(record.brokerProvidedBigPointValue(), 12.5);
        QCOMPARE(record.priceMultiplier(), 100.0);
        QCOMPARE(record.basketLegMultiplier(), -1.5);
        QCOMPARE(record.lotSize(), 10);
        QVERIFY(record.isResolved());
        QCOMPARE(record.aliases(), QStringList({QStringLiteral("ES"), QStringLiteral("@ES")}));
        QCOMPARE(record.spreadLegs(), VariantRecordList{leg});
        QCOMPARE(reports.count(), 0);

        for (IField *field : record.fields()) {
            SymbolRecord without = record;
            without.remove(field);
            QCOMPARE(without.size(), 17);
            QVERIFY(without != record);
        }
    }

    void optionalReads()
    {
        SymbolRecord record;
        QCOMPARE(record.lotSizeOptional(1), 1);
        record.setLotSize(100);
        QCOMPARE(record.lotSizeOptional(1), 100);
        record.setAliases(QStringList());  // an empty list is still a stored value
        QCOMPARE(record.aliasesOptional({QStringLiteral("default")}), QStringList());
        record.removeLotSize();
        QVERIFY(!record.hasLotSize());
    }

    void assignment()
    {
        SymbolRecord first;
        first.setName(QStringLiteral("MSFT"));
        SymbolRecord second;
        second = first;
        QVERIFY(second == first);
        second.setName(QStringLiteral("AAPL"));
        QCOMPARE(first.name(), QStringLiteral("MSFT"));
    }

    void dictionaryCategory()
    {
        Sample::Symbol stock(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100);
        ReportRecorder reports;
        QCOMPARE(int(stock.category()), 14);
        QCOMPARE(reports.count(), 0);

        stock.record().remove(topics.symbol().categoryField());
        QCOMPARE(int(stock.category()), 0);
        QCOMPARE(reports.count(), 1);
        const RecordedReport report = reports.reports().first();
        QCOMPARE(report.condition, QStringLiteral("result != Symbology::symbolTypeUndefined"));
        QCOMPARE(report.function, QStringLiteral("Trade::IDictionaryVisibleSymbol::category"));
        QVERIFY(report.message.startsWith(QStringLiteral("\"invalid symbol category\" \"this\"=\"{")));
        QVERIFY(report.message.contains(QStringLiteral("\"type\": \"Trade::IDictionaryVisibleSymbol\"")));
        QVERIFY(report.message.contains(QStringLiteral("Symbol.Name")));  // the symbol's record names it
    }
};

QTEST_GUILESS_MAIN(tst_SymbolRecord)
#include "tst_symbolrecord.moc"
