// Null pointers where the class's own test has none: a report and the neutral result, or none where null means none.
#include <testsupport/reportrecorder.h>

#include <samplehost/topics.h>
#include <typekit/averageprice.h>
#include <typekit/connection/brokerconnectionprovider.h>
#include <typekit/operations/closepositionoperationinputs.h>
#include <typekit/order/orderutils.h>
#include <typekit/order/spreadlegsorderinfo.h>
#include <typekit/orderinfoprovider.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/variant/fieldset.h>
#include <typekit/variant/variantrecord.h>

#include <QtTest/QtTest>

#include "printed.h"

#include <functional>

using namespace Trade;

using Call = std::function<void()>;
Q_DECLARE_METATYPE(Call)

class tst_NullInput : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;

private Q_SLOTS:
    void nullPointers_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("reports"); // "function: condition" without "Trade::", in order

        const VariantRecord none;
        const IRecordData *noData = nullptr;
        const auto row = [](const char *name, const char *reports, Call call) {
            QTest::newRow(name) << call << QString::fromLatin1(reports);
        };

#define UTIL(name)                                                                                                     \
    row("OrderUtils::" #name, "OrderUtils::" #name ": topic != NULL", [none] {                                         \
        const auto result = OrderUtils::name(none, nullptr);                                                           \
        QCOMPARE(printed(result), printed(decltype(result){}));                                                        \
    })
        UTIL(id), UTIL(zelTag), UTIL(type), UTIL(timestamp), UTIL(gtd), UTIL(limit), UTIL(stopPrice),
            UTIL(averagePrice), UTIL(category), UTIL(quantity), UTIL(filledQuantity), UTIL(exitStrategyTemplate),
            UTIL(symbol), UTIL(account), UTIL(action), UTIL(state), UTIL(expiry), UTIL(bracketCategory),
            UTIL(hasSymbol), UTIL(hasAccount), UTIL(hasTimestamp), UTIL(hasSide), UTIL(isTrailingStop),
            UTIL(logCategory), UTIL(accountId), UTIL(remainingQuantity), UTIL(side);
#undef UTIL

        IField *id = topics.order().idField();
        row("record of null data", "VariantRecord::VariantRecord: data != NULL", [=] { VariantRecord record(noData); });
        row("record == null data", "VariantRecord::operator ==: other != NULL", [=] { (void)(none == noData); });
        row("null data != record", "VariantRecord::operator ==: other != NULL", [=] { (void)(noData != none); });
        row("null field set", "VariantRecord::setValue: field != NULL",
            [] { VariantRecord().setValue(nullptr, Variant(1)); });
        row("null field removed", "VariantRecord::remove: field != NULL", [] { VariantRecord().remove(nullptr); });
        row("null field converted", "VariantRecord::convert: field != NULL",
            [none] { (void)none.convert(nullptr, Variant()); });
        row("raw value of a null field", "VariantRecord::rawValue: it != m_data.end()",
            [none] { (void)none.rawValue(nullptr); });
        row("null field added to a field set", "FieldSet::operator +=: field != NULL", [] {
            FieldSet set;
            set += nullptr;
            QVERIFY(set.isEmpty());
        });

        row("average price on a null symbol", "AveragePrice::setSymbol: symbol != 0",
            [] { QVERIFY(!AveragePrice(nullptr).hasValue()); });
        row("leg order made for a null symbol", "SpreadLegsOrderInfo::orderInfoBySymbol: symbol != NULL",
            [] { SpreadLegsOrderInfo().orderInfoBySymbol(static_cast<ISymbol *>(nullptr)); });

        row("inputs found for a null position",
            "ListOfClosePositionOperationInputs::findOrderInputsByPosition: it != end()", [] {
                QVERIFY(ListOfClosePositionOperationInputs().findOrderInputsByPosition(nullptr).isEmpty());
                ListOfClosePositionOperationInputs().removeByPosition(nullptr);
            });

        // Null as no strategy or connection; the providers' other setters take null in their own tests.
        row("null as none", "", [id] {
            VariantRecord record;
            record.setValue(id, Variant(QStringLiteral("A-1")));
            QVERIFY(!record.contains(nullptr) && !record.hasValue(nullptr) && !record.stored(nullptr));
            QCOMPARE(record.value(nullptr, Variant(2)), Variant(2));
            QCOMPARE(record.heldOr(nullptr, 3), 3);
            FieldSet().moveToBegin(nullptr);
            QVERIFY(!Profit(nullptr).hasValue() && !ISymbol::hasValidFigures(nullptr));
            (void)SpreadLegsOrderInfo().orderInfoBySymbol(static_cast<const ISymbol *>(nullptr));
            OrderInfoProvider provider;
            provider.setExitStrategy(nullptr);
            BrokerConnectionProvider connection(nullptr);
        });
    }

    void nullPointers()
    {
        QFETCH(Call, call);
        QFETCH(QString, reports);

        ReportRecorder recorder;
        call();
        QStringList made;
        for (const RecordedReport &report : recorder.reports())
            made << report.function + QStringLiteral(": ") + report.condition;
        QCOMPARE(made.join(QStringLiteral(" | ")).remove(QStringLiteral("Trade::")), reports);
    }
};

QTEST_GUILESS_MAIN(tst_NullInput)
#include "tst_nullinput.moc"
