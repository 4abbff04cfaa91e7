// Symbol records: every attribute's accessors, and the category of dictionary-visible symbols.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/symbol/symbolrecord.h>

#include <QtTest/QtTest>

using namespace Trade;

// Every attribute of a symbol record with a value of its own, distinct from the others' values.
#define SYMBOL_ATTRIBUTES(X)                                                                                           \
    X(Name, name, QStringLiteral("ESZ26"))                                                                             \
    X(BrokerName, brokerName, QStringLiteral("ES DEC26"))                                                              \
    X(SymbolNameWithoutExchange, symbolNameWithoutExchange, QStringLiteral("ES"))                                      \
    X(Category, category, Symbology::symbolTypeFuture)                                                                 \
    X(UserDefinedMinMovement, userDefinedMinMovement, 25)                                                              \
    X(UserDefinedMinMovement2, userDefinedMinMovement2, 5)                                                             \
    X(UserDefinedPriceScale, userDefinedPriceScale, 100)                                                               \
    X(UserDefinedBigPointValue, userDefinedBigPointValue, 50.0)                                                        \
    X(BrokerProvidedMinMovement, brokerProvidedMinMovement, 1)                                                         \
    X(BrokerProvidedMinMovement2, brokerProvidedMinMovement2, 2)                                                       \
    X(BrokerProvidedPriceScale, brokerProvidedPriceScale, 4)                                                           \
    X(BrokerProvidedBigPointValue, brokerProvidedBigPointValue, 12.5)                                                  \
    X(PriceMultiplier, priceMultiplier, 100.0)                                                                         \
    X(BasketLegMultiplier, basketLegMultiplier, -1.5)                                                                  \
    X(LotSize, lotSize, 10)                                                                                            \
    X(IsResolved, isResolved, true)                                                                                    \
    X(Aliases, aliases, QStringList({QStringLiteral("ES"), QStringLiteral("@ES")}))                                    \
    X(SpreadLegs, spreadLegs, VariantRecordList{leg})

class tst_SymbolRecord : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;

private Q_SLOTS:
    void attributesAndCategory()
    {
        // Each attribute keeps its own value: a write to one never shows in another.
        ReportRecorder reports;
        SymbolRecord record;
        VariantRecord leg;
        leg.setValue(topics.symbol().nameField(), Variant(QStringLiteral("ESH27")));
#define SET(Name, name, value) record.set##Name(value);
#define CHECK(Name, name, value) QVERIFY2(record.name() == (value), #name);
        SYMBOL_ATTRIBUTES(SET)
        QCOMPARE(record.size(), 18);
        SYMBOL_ATTRIBUTES(CHECK)
#undef SET
#undef CHECK
        QCOMPARE(reports.count(), 0);

        for (IField *field : record.fields()) {
            SymbolRecord without = record;
            without.remove(field);
            QCOMPARE(without.size(), 17);
            QVERIFY(without != record);
        }

        SymbolRecord copy;
        QVERIFY((copy = record) == record);
        copy.setName(QStringLiteral("AAPL"));
        QCOMPARE(record.name(), QStringLiteral("ESZ26"));
        copy.setAliases(QStringList()); // an empty list is still a stored value
        QCOMPARE(copy.aliasesOptional({QStringLiteral("default")}), QStringList());

        // A dictionary-visible symbol's category, and the report when its record has none.
        Sample::Symbol stock(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100);
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
        QVERIFY(report.message.contains(QStringLiteral("Symbol.Name"))); // the symbol's record names it
    }
};

QTEST_GUILESS_MAIN(tst_SymbolRecord)
#include "tst_symbolrecord.moc"
