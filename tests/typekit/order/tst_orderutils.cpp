// Reads of bare order records: silent reads, reporting reads and derived values.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderutils.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_OrderUtils : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;
    const IOrderTopic *topic = topics.orderTopic();
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0, 10};
    Sample::Account account{QStringLiteral("SIM-7")};

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

    static QString line(const char *function, const char *condition, const char *message)
    {
        return ReportRecorder::line(
            u"order/orderutils", QStringLiteral("Trade::OrderUtils::") + QLatin1String(function),
            QString::fromLatin1(condition), ReportRecorder::quoted(QString::fromLatin1(message)));
    }

private Q_SLOTS:
    // Mistyped values are no values even where Qt could convert them; reporting reads report once on an empty order.
    void reads()
    {
        VariantRecord order, emptyId, known = full();
        order.setValue(topic->categoryField(), Variant(QStringLiteral("Limit")));
        order.setValue(topic->idField(), Variant(0));
        order.setValue(topic->stopLimitPlusField(), Variant(QStringLiteral("12")));
        order.setValue(topic->actionField(), Variant(QStringLiteral("nonsense")));
        order.setValue(topic->quantityField(), Variant(3.0));
        order.setValue(topic->timestampField(), Variant(QStringLiteral("not a date")));
        emptyId.setValue(topic->idField(), Variant());
        ReportRecorder reports;
        QVERIFY(order.validValues().isEmpty() && OrderUtils::id(order, topic).isEmpty());
        QVERIFY(int(OrderCategory::Type(OrderUtils::category(order, topic))) == 0);
        QVERIFY(OrderUtils::quantity(order, topic) == Quantity() && OrderUtils::accountId(order, topic).isEmpty());
        for (const VariantRecord &local : eachRow(std::array{VariantRecord(), emptyId, order}))
            QCOMPARE(OrderUtils::logCategory(local, topic), LogCategory::LocalOrder);
        QVERIFY(OrderUtils::logCategory(known, topic) == LogCategory::BrokerOrder
                && OrderUtils::id(known, topic) == QLatin1String("A-1"));
        QCOMPARE(OrderUtils::accountId(known, topic), QStringLiteral("SIM-7"));
        for (const VariantRecord &r : {known, VariantRecord()}) // only the empty order reports; braces keep the order
            (void)std::tuple{OrderUtils::symbol(r, topic), OrderUtils::account(r, topic),
                             OrderUtils::action(r, topic), OrderUtils::state(r, topic),
                             OrderUtils::expiry(r, topic), OrderUtils::bracketCategory(r, topic)};
        // Every predicate in both states (a trailing stop: the category numbered 5); without a topic: tst_nullinput.
        for (const auto has : {OrderUtils::hasSymbol, OrderUtils::hasAccount, OrderUtils::hasTimestamp,
                               OrderUtils::hasSide, OrderUtils::isTrailingStop})
            QVERIFY(!has(order, topic) && has(known, topic));

        QCOMPARE(reports.lines(),
                 QStringList({line("symbol", "result != NULL", "invalid order symbol"),
                              line("account", "result != NULL", "invalid order account"),
                              line("action", "result != OrderAction::Unknown", "invalid order action"),
                              line("state", "result != OrderState::Unknown", "invalid order state"),
                              line("expiry", "result != OrderExpiry::Unknown", "invalid order expiry"),
                              line("bracketCategory", "result != BracketCategory::Unknown", "invalid bracket type")}));

        known.setValue(topic->actionField(), Variant::fromValue(OrderAction()));
        QVERIFY(!OrderUtils::hasSide(known, topic)); // an action, but not a valid one
    }

    void derivedValues()
    {
        // Ordered, filled, remaining; -1 for none.
        const double rows[][3] = {{10, -1, 10}, {10, 4, 6}, {10, 10, 0}, {-1, 4, -1}};
        ReportRecorder reports;
        for (const auto &row : eachRow(rows)) {
            VariantRecord order;
            if (row[0] >= 0)
                order.setValue(topic->quantityField(), Variant::fromValue(Quantity(row[0], &es)));
            if (row[1] >= 0)
                order.setValue(topic->filledField(), Variant::fromValue(Quantity(row[1], &es)));
            const Quantity left = OrderUtils::remainingQuantity(order, topic);
            QCOMPARE(left.hasValue() ? left.value() : -1.0, row[2]);
        }
        VariantRecord order;
        QList<TradeSide::Type> sides;
        for (const auto a : {OrderAction::Buy, OrderAction::BuyToCover, OrderAction::Sell, OrderAction::SellShort}) {
            order.setValue(topic->actionField(), Variant::fromValue(OrderAction(a)));
            sides << TradeSide::Type(OrderUtils::side(order, topic));
        }
        QCOMPARE(sides, QList<TradeSide::Type>({TradeSide::Long, TradeSide::Long, TradeSide::Short, TradeSide::Short}));
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
