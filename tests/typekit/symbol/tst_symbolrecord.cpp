#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/symbol/symbolrecord.h>

#include <QtTest/QtTest>

using namespace Trade;

#define SYMBOL_ATTRIBUTES(X)                                                                                           \
    X(Name, name, QStringLiteral("ESZ26"))                                                                             \
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
    X(BasketLegMultiplier, basketLegMultiplier, -1.5)                                                                  \
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
        QCOMPARE(record.size(), 14);
        SYMBOL_ATTRIBUTES(CHECK)

        SymbolRecord copy;
        QVERIFY((copy = record) == record);
        copy.setAliases(QStringList()); // an empty list is still a stored value
        QCOMPARE(copy.aliasesOptional({QStringLiteral("default")}), QStringList());

        Sample::Symbol stock(QStringLiteral("MSFT"), Symbology::symbolTypeStock, 1, 100);
        QCOMPARE(int(stock.category()), 14);

        stock.record().remove(topics.symbol().categoryField());
        QCOMPARE(int(stock.category()), 0);
        QCOMPARE(reports.count(), 1);
        const RecordedReport report = reports.reports().first();
        QCOMPARE(report.condition, QStringLiteral("result != Symbology::symbolTypeUndefined"));
        QCOMPARE(report.function, QStringLiteral("Trade::IDictionaryVisibleSymbol::category"));
        QVERIFY(report.message.startsWith(QStringLiteral("\"invalid symbol category\" \"this\"=\"{")));
        QVERIFY(report.message.contains(QStringLiteral("Symbol.Name"))); // the symbol's record names it
    }
};

QTEST_GUILESS_MAIN(tst_SymbolRecord)
#include "tst_symbolrecord.moc"
