// Reads of bare order records: silent reads, reporting reads and derived values.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderutils.h>

#include <QtTest/QtTest>

#include <functional>

using namespace Trade;

using RecordTest = std::function<bool(const VariantRecord &)>;
Q_DECLARE_METATYPE(RecordTest)

class tst_OrderUtils : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    const IOrderTopic *topic = topics.orderTopic();
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0, 10};
    Sample::Account account{QStringLiteral("SIM-7")};

private slots:
    void plainReadsAreSilent()
    {
        VariantRecord order;
        order.setValue(topic->categoryField(), Variant(QStringLiteral("Limit")));  // a text, not a category
        ReportRecorder reports;
        QCOMPARE(OrderUtils::id(order, topic), QString());
        QCOMPARE(OrderUtils::gtd(order, topic), QDate());
        QCOMPARE(OrderUtils::limit(order, topic), Price());
        QCOMPARE(int(OrderCategory::Type(OrderUtils::category(order, topic))), 0);
        QCOMPARE(OrderUtils::quantity(order, topic), Quantity());
        QCOMPARE(OrderUtils::exitStrategyTemplate(order, topic), nullptr);
        QCOMPARE(OrderUtils::accountId(order, topic), QString());
        QVERIFY(!OrderUtils::isTrailingStop(order, topic));
        QCOMPARE(reports.count(), 0);

        order.setValue(topic->idField(), Variant(QStringLiteral("A-1")));
        order.setValue(topic->accountField(), Variant::fromValue<IAccount *>(&account));
        order.setValue(topic->categoryField(), Variant::fromValue(OrderCategory(OrderCategory::LimitAtAsk)));
        QCOMPARE(OrderUtils::id(order, topic), QStringLiteral("A-1"));
        QCOMPARE(OrderUtils::accountId(order, topic), QStringLiteral("SIM-7"));
        QVERIFY(OrderUtils::isTrailingStop(order, topic));  // the category numbered 5
    }

    // A value of another type than its field's is no value, even where Qt could convert it.
    void mistypedValuesAreNoValues_data()
    {
        QTest::addColumn<IField *>("field");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<RecordTest>("readsAsSet");

        const IOrderTopic *t = topic;
        QTest::addRow("text under an int field") << t->stopLimitPlusField() << Variant(QStringLiteral("12"))
            << RecordTest([](const VariantRecord &r) { return OrderRecord(r).hasStopLimitPlus(); });
        QTest::addRow("text under the action field") << t->actionField() << Variant(QStringLiteral("nonsense"))
            << RecordTest([](const VariantRecord &r) { return OrderRecord(r).hasAction(); });
        QTest::addRow("double under the quantity field") << t->quantityField() << Variant(3.0)
            << RecordTest([](const VariantRecord &r) { return OrderRecord(r).hasQuantity(); });
        QTest::addRow("text under the timestamp field") << t->timestampField() << Variant(QStringLiteral("not a date"))
            << RecordTest([t](const VariantRecord &r) { return OrderUtils::hasTimestamp(r, t); });
        QTest::addRow("int under the id field") << t->idField() << Variant(0)
            << RecordTest([t](const VariantRecord &r) { return OrderUtils::logCategory(r, t) == LogCategory::BrokerOrder; });
    }

    void mistypedValuesAreNoValues()
    {
        QFETCH(IField *, field);
        QFETCH(Variant, value);
        QFETCH(RecordTest, readsAsSet);

        VariantRecord order;
        order.setValue(field, value);
        ReportRecorder reports;
        QVERIFY(order.contains(field) && !order.hasValue(field));
        QVERIFY(order.validValues().isEmpty());
        QVERIFY(!readsAsSet(order));
        QCOMPARE(reports.count(), 0);
    }

    void reportingReads_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("message");

        QTest::addRow("symbol") << "symbol" << "result != NULL" << "invalid order symbol";
        QTest::addRow("account") << "account" << "result != NULL" << "invalid order account";
        QTest::addRow("action") << "action" << "result != OrderAction::Unknown" << "invalid order action";
        QTest::addRow("state") << "state" << "result != OrderState::Unknown" << "invalid order state";
        QTest::addRow("expiry") << "expiry" << "result != OrderExpiry::Unknown" << "invalid order expiry";
        QTest::addRow("bracketCategory") << "bracketCategory" << "result != BracketCategory::Unknown" << "invalid bracket type";
    }

    void reportingReads()
    {
        QFETCH(QString, function);
        QFETCH(QString, condition);
        QFETCH(QString, message);

        const VariantRecord empty;
        VariantRecord full;
        full.setValue(topic->symbolField(), Variant::fromValue<ISymbol *>(&es));
        full.setValue(topic->accountField(), Variant::fromValue<IAccount *>(&account));
        full.setValue(topic->actionField(), Variant::fromValue(OrderAction(OrderAction::Buy)));
        full.setValue(topic->stateField(), Variant::fromValue(OrderState(OrderState::Working)));
        full.setValue(topic->expiryField(), Variant::fromValue(OrderExpiry(OrderExpiry::DayOrder)));
        full.setValue(topic->bracketCategoryField(), Variant::fromValue(BracketCategory(BracketCategory::None)));

        const QMap<QString, std::function<void(const VariantRecord &)>> reads{
            {QStringLiteral("symbol"), [&](const VariantRecord &r) { OrderUtils::symbol(r, topic); }},
            {QStringLiteral("account"), [&](const VariantRecord &r) { OrderUtils::account(r, topic); }},
            {QStringLiteral("action"), [&](const VariantRecord &r) { OrderUtils::action(r, topic); }},
            {QStringLiteral("state"), [&](const VariantRecord &r) { OrderUtils::state(r, topic); }},
            {QStringLiteral("expiry"), [&](const VariantRecord &r) { OrderUtils::expiry(r, topic); }},
            {QStringLiteral("bracketCategory"), [&](const VariantRecord &r) { OrderUtils::bracketCategory(r, topic); }},
        };
        ReportRecorder reports;
        reads.value(function)(full);
        QCOMPARE(reports.count(), 0);
        reads.value(function)(empty);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"order/orderutils", QStringLiteral("Trade::OrderUtils::") + function,
                                                                   condition, ReportRecorder::quoted(message))});
        QCOMPARE(reports.reports().first().object, nullptr);
    }

    void derivedValues()
    {
        VariantRecord order;
        QCOMPARE(OrderUtils::logCategory(order, topic), LogCategory::LocalOrder);
        order.setValue(topic->idField(), Variant());  // an id entry without value
        QCOMPARE(OrderUtils::logCategory(order, topic), LogCategory::LocalOrder);
        order.setValue(topic->idField(), Variant(QStringLiteral("A-1")));
        QCOMPARE(OrderUtils::logCategory(order, topic), LogCategory::BrokerOrder);

        QVERIFY(!OrderUtils::hasSymbol(order, topic) && !OrderUtils::hasAccount(order, topic) && !OrderUtils::hasTimestamp(order, topic));
        order.setValue(topic->timestampField(), Variant(QDateTime::currentDateTimeUtc()));
        QVERIFY(OrderUtils::hasTimestamp(order, topic));
        order.setValue(topic->actionField(), Variant::fromValue(OrderAction()));
        QVERIFY(!OrderUtils::hasSide(order, topic));
    }

    void remainingQuantity_data()
    {
        QTest::addColumn<double>("ordered");
        QTest::addColumn<double>("filled");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<double>("remaining");

        const double none = -1.0;
        QTest::addRow("nothing filled") << 10.0 << none << true << 10.0;
        QTest::addRow("part filled") << 10.0 << 4.0 << true << 6.0;
        QTest::addRow("no quantity") << none << 4.0 << false << 0.0;
    }

    void remainingQuantity()
    {
        QFETCH(double, ordered);
        QFETCH(double, filled);
        QFETCH(bool, hasValue);
        QFETCH(double, remaining);

        VariantRecord order;
        if (ordered >= 0)
            order.setValue(topic->quantityField(), Variant::fromValue(Quantity(ordered, &es)));
        if (filled >= 0)
            order.setValue(topic->filledField(), Variant::fromValue(Quantity(filled, &es)));
        ReportRecorder reports;
        const Quantity left = OrderUtils::remainingQuantity(order, topic);
        QCOMPARE(left.hasValue(), hasValue);
        if (hasValue)
            QCOMPARE(left.value(), remaining);
        QCOMPARE(reports.count(), 0);
    }

    void side_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("reportCount");

        QTest::addRow("buy") << 1 << int(TradeSide::Long) << 0;
        QTest::addRow("buy to cover") << 4 << int(TradeSide::Long) << 0;
        QTest::addRow("sell") << 2 << int(TradeSide::Short) << 0;
        QTest::addRow("sell short") << 3 << int(TradeSide::Short) << 0;
        QTest::addRow("no action") << 0 << int(TradeSide::Short) << 3;  // side, action, isBuy
    }

    void side()
    {
        QFETCH(int, action);
        QFETCH(int, side);
        QFETCH(int, reportCount);

        VariantRecord order;
        if (action)
            order.setValue(topic->actionField(), Variant::fromValue(OrderAction(OrderAction::Type(action))));
        ReportRecorder reports;
        QCOMPARE(int(TradeSide::Type(OrderUtils::side(order, topic))), side);
        QCOMPARE(reports.count(), reportCount);
        if (reportCount)
            QCOMPARE(reports.lines().first(), ReportRecorder::line(u"order/orderutils", u"Trade::OrderUtils::side",
                                                                   u"hasSide(orderVariantRecord, topic)", u""));
    }
};

QTEST_GUILESS_MAIN(tst_OrderUtils)
#include "tst_orderutils.moc"
