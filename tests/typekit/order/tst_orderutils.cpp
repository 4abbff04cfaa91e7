// Reads of bare order records: silent reads, reporting reads and derived values.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderutils.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>

using namespace Trade;

using Read = std::function<void(const VariantRecord &)>;
Q_DECLARE_METATYPE(Read)

class tst_OrderUtils : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    const IOrderTopic *topic = topics.orderTopic();
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0, 10};
    Sample::Account account{QStringLiteral("SIM-7")};

    // An order with every value the reporting reads and the predicates look at.
    VariantRecord full()
    {
        VariantRecord order;
        order.setValue(topic->symbolField(), Variant::fromValue<ISymbol *>(&es));
        order.setValue(topic->accountField(), Variant::fromValue<IAccount *>(&account));
        order.setValue(topic->actionField(), Variant::fromValue(OrderAction(OrderAction::Buy)));
        order.setValue(topic->stateField(), Variant::fromValue(OrderState(OrderState::Working)));
        order.setValue(topic->expiryField(), Variant::fromValue(OrderExpiry(OrderExpiry::DayOrder)));
        order.setValue(topic->bracketCategoryField(), Variant::fromValue(BracketCategory(BracketCategory::None)));
        order.setValue(topic->categoryField(), Variant::fromValue(OrderCategory(OrderCategory::LimitAtAsk)));
        order.setValue(topic->timestampField(), Variant(QDateTime::currentDateTimeUtc()));
        order.setValue(topic->idField(), Variant(QStringLiteral("A-1")));
        order.setValue(topic->quantityField(), Variant::fromValue(Quantity(2.0, &es)));
        return order;
    }

private Q_SLOTS:
    void plainReadsAreSilent()
    {
        // Values of another type than their field's are no values, even where Qt could convert them.
        VariantRecord order;
        order.setValue(topic->categoryField(), Variant(QStringLiteral("Limit")));
        order.setValue(topic->idField(), Variant(0));
        order.setValue(topic->stopLimitPlusField(), Variant(QStringLiteral("12")));
        order.setValue(topic->actionField(), Variant(QStringLiteral("nonsense")));
        order.setValue(topic->quantityField(), Variant(3.0));
        order.setValue(topic->timestampField(), Variant(QStringLiteral("not a date")));
        VariantRecord emptyId;
        emptyId.setValue(topic->idField(), Variant());
        ReportRecorder reports;
        QCOMPARE(order.validValues().size(), 0);
        QCOMPARE(OrderUtils::id(order, topic), QString());
        QCOMPARE(int(OrderCategory::Type(OrderUtils::category(order, topic))), 0);
        QCOMPARE(OrderUtils::quantity(order, topic), Quantity());
        QCOMPARE(OrderUtils::accountId(order, topic), QString());
        QVERIFY(!OrderUtils::isTrailingStop(order, topic));
        QVERIFY(!OrderRecord(order).hasStopLimitPlus() && !OrderRecord(order).hasAction()
                && !OrderRecord(order).hasQuantity());
        QVERIFY(!OrderUtils::hasSymbol(order, topic) && !OrderUtils::hasAccount(order, topic));
        QVERIFY(!OrderUtils::hasTimestamp(order, topic) && !OrderUtils::hasSide(order, topic));
        for (const VariantRecord &local : eachRow(std::array{VariantRecord(), emptyId, order}))
            QCOMPARE(OrderUtils::logCategory(local, topic), LogCategory::LocalOrder);
        QCOMPARE(reports.count(), 0);

        // Every predicate in both states.
        VariantRecord known = full();
        QCOMPARE(OrderUtils::id(known, topic), QStringLiteral("A-1"));
        QCOMPARE(OrderUtils::accountId(known, topic), QStringLiteral("SIM-7"));
        QVERIFY(OrderUtils::isTrailingStop(known, topic)); // the category numbered 5
        QCOMPARE(OrderUtils::logCategory(known, topic), LogCategory::BrokerOrder);
        QVERIFY(OrderUtils::hasSymbol(known, topic) && OrderUtils::hasAccount(known, topic));
        QVERIFY(OrderUtils::hasTimestamp(known, topic) && OrderUtils::hasSide(known, topic));
        known.setValue(topic->actionField(), Variant::fromValue(OrderAction()));
        QVERIFY(!OrderUtils::hasSide(known, topic)); // an action, but not a valid one
    }

    void reportingReads_data()
    {
        QTest::addColumn<Read>("read");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("message");

        const IOrderTopic *t = topic;
#define READ(name, condition, message)                                                                                 \
    QTest::newRow(#name) << Read([t](const VariantRecord &r) { (void)OrderUtils::name(r, t); })                        \
                         << QStringLiteral(condition) << QStringLiteral(message)
        READ(symbol, "result != NULL", "invalid order symbol");
        READ(account, "result != NULL", "invalid order account");
        READ(action, "result != OrderAction::Unknown", "invalid order action");
        READ(state, "result != OrderState::Unknown", "invalid order state");
        READ(expiry, "result != OrderExpiry::Unknown", "invalid order expiry");
        READ(bracketCategory, "result != BracketCategory::Unknown", "invalid bracket type");
#undef READ
    }

    void reportingReads()
    {
        QFETCH(Read, read);
        QFETCH(QString, condition);
        QFETCH(QString, message);

        ReportRecorder reports;
        read(full());
        QCOMPARE(reports.count(), 0);
        read(VariantRecord());
        const QString function = QStringLiteral("Trade::OrderUtils::") + QLatin1String(QTest::currentDataTag());
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"order/orderutils", function, condition,
                                                                   ReportRecorder::quoted(message))});
        QCOMPARE(reports.reports().first().object, nullptr);
    }

    // Without a topic every read reports under its own name and gives its neutral answer, even on a full order.
    void readsWithoutTopic()
    {
        const VariantRecord order = full();
        ReportRecorder reports;
        QVERIFY(!OrderUtils::hasSymbol(order, nullptr) && !OrderUtils::hasAccount(order, nullptr));
        QVERIFY(!OrderUtils::hasTimestamp(order, nullptr) && !OrderUtils::hasSide(order, nullptr));
        QVERIFY(!OrderUtils::isTrailingStop(order, nullptr) && !OrderUtils::symbol(order, nullptr));
        QVERIFY(OrderUtils::id(order, nullptr).isNull() && !OrderUtils::remainingQuantity(order, nullptr).hasValue());
        QCOMPARE(int(TradeSide::Type(OrderUtils::side(order, nullptr))), 0);
        QStringList expected;
        for (const char *name : {"hasSymbol", "hasAccount", "hasTimestamp", "hasSide", "isTrailingStop", "symbol", "id",
                                 "remainingQuantity", "side"})
            expected << ReportRecorder::line(
                u"order/orderutils", QStringLiteral("Trade::OrderUtils::") + QLatin1String(name), u"topic != NULL");
        QCOMPARE(reports.lines(), expected);
    }

    void remainingQuantity()
    {
        // The ordered and the filled quantity, and the remaining one; -1 for none.
        const struct
        {
            double ordered, filled, remaining;
        } rows[] = {{10, -1, 10}, {10, 4, 6}, {10, 10, 0}, {-1, 4, -1}};
        ReportRecorder reports;
        for (const auto &row : eachRow(rows)) {
            VariantRecord order;
            if (row.ordered >= 0)
                order.setValue(topic->quantityField(), Variant::fromValue(Quantity(row.ordered, &es)));
            if (row.filled >= 0)
                order.setValue(topic->filledField(), Variant::fromValue(Quantity(row.filled, &es)));
            const Quantity left = OrderUtils::remainingQuantity(order, topic);
            QCOMPARE(left.hasValue() ? left.value() : -1.0, row.remaining);
        }
        QCOMPARE(reports.count(), 0);
    }

    void side()
    {
        const QList<QPair<OrderAction::Type, TradeSide::Type>> rows{{OrderAction::Buy, TradeSide::Long},
                                                                    {OrderAction::BuyToCover, TradeSide::Long},
                                                                    {OrderAction::Sell, TradeSide::Short},
                                                                    {OrderAction::SellShort, TradeSide::Short}};
        ReportRecorder reports;
        for (const auto &[action, expected] : eachRow(rows)) {
            VariantRecord order;
            order.setValue(topic->actionField(), Variant::fromValue(OrderAction(action)));
            QCOMPARE(TradeSide::Type(OrderUtils::side(order, topic)), expected);
        }
        QCOMPARE(reports.count(), 0);

        // Without an action: short, and reported by side, then by action and isBuy.
        QCOMPARE(TradeSide::Type(OrderUtils::side(VariantRecord(), topic)), TradeSide::Short);
        QCOMPARE(reports.count(), 3);
        QCOMPARE(reports.lines().first(), ReportRecorder::line(u"order/orderutils", u"Trade::OrderUtils::side",
                                                               u"hasSide(orderVariantRecord, topic)", u""));
    }
};

QTEST_GUILESS_MAIN(tst_OrderUtils)
#include "tst_orderutils.moc"
