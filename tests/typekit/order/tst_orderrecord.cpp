// Order records: every attribute's accessors, the report chains of missing and mistyped values,
// topics, merging, flags and the saved form; the order details of spread legs.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderrecord.h>
#include <typekit/symbol/spreadleg.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

#include <functional>

using namespace Trade;

namespace {

class Template final : public IExitStrategyTemplate
{
};

// Checks the five accessors of one attribute on an empty order.
template <typename T, typename Has, typename Remove, typename Set, typename Get, typename Optional>
void accessors(OrderRecord &order, Has has, Remove remove, Set set, Get get, Optional optional, const T &value,
               const T &fallback)
{
    QVERIFY(!(order.*has)());
    QVERIFY((order.*optional)(fallback) == fallback);
    (order.*set)(value);
    QVERIFY((order.*has)());
    QVERIFY((order.*get)() == value);
    QVERIFY((order.*optional)(fallback) == value);
    (order.*remove)();
    QVERIFY(!(order.*has)());
    QVERIFY((order.*optional)(fallback) == fallback);
}

#define ATTRIBUTE(Name, name, value, fallback)                                                                          \
    {                                                                                                                   \
        #name, [=](OrderRecord &order) {                                                                                \
            accessors(order, &OrderRecord::has##Name, &OrderRecord::remove##Name, &OrderRecord::set##Name,              \
                      &OrderRecord::name, &OrderRecord::name##Optional, value, fallback);                               \
        }                                                                                                               \
    }

// Installs other topics, or none, as a host may.
struct Installer : IStandardTopics
{
    static void install(IStandardTopics *topics) { setInstance(topics); }
};

} // namespace

class tst_OrderRecord : public QObject, SampleMarket
{
    Q_OBJECT

    Template exitTemplate;
    QVector<QPair<const char *, std::function<void(OrderRecord &)>>> attributes;

private slots:
    void initTestCase()
    {
        SpreadLegsOrderInfo legs;
        legs.orderInfoBySymbol(&es).setQuantity(Quantity(1.0, &es));
        attributes = {
            ATTRIBUTE(Symbol, symbol, static_cast<ISymbol *>(&es), static_cast<ISymbol *>(&nq)),
            ATTRIBUTE(Account, account, static_cast<IAccount *>(&account), static_cast<IAccount *>(nullptr)),
            ATTRIBUTE(ExitStrategyTemplate, exitStrategyTemplate, static_cast<IExitStrategyTemplate *>(&exitTemplate),
                      static_cast<IExitStrategyTemplate *>(nullptr)),
            ATTRIBUTE(Id, id, QStringLiteral("A-1"), QStringLiteral("none")),
            ATTRIBUTE(ZelTag, zelTag, QStringLiteral("scalp"), QString()),
            ATTRIBUTE(Type, type, QStringLiteral("LMT"), QString()),
            ATTRIBUTE(StateText, stateText, QStringLiteral("Working"), QString()),
            ATTRIBUTE(StopLimitPlus, stopLimitPlus, 3, -1),
            ATTRIBUTE(Action, action, OrderAction(OrderAction::SellShort), OrderAction(OrderAction::Buy)),
            ATTRIBUTE(LimitPrice, limitPrice, Price(5012.25, &es), Price()),
            ATTRIBUTE(StopPrice, stopPrice, Price(5000.0, &es), Price(1.0, &es)),
            ATTRIBUTE(Category, category, OrderCategory(OrderCategory::StopLimit), OrderCategory()),
            ATTRIBUTE(State, state, OrderState(OrderState::Completed, OrderState::reasonFilled), OrderState()),
            ATTRIBUTE(Expiry, expiry, OrderExpiry(OrderExpiry::DayOrder), OrderExpiry()),
            ATTRIBUTE(Quantity, quantity, Quantity(5.0, &es), Quantity()),
            ATTRIBUTE(Filled, filled, Quantity(2.0, &es), Quantity(0.0, nullptr)),
            ATTRIBUTE(EventSource, eventSource, EventSource(EventSource::Chart, Common::InvocationType(2)), EventSource()),
            ATTRIBUTE(EventReason, eventReason, EventReason(EventReason::ModifyOrder), EventReason()),
            ATTRIBUTE(SpreadLegs, spreadLegs, legs, SpreadLegsOrderInfo()),
        };
    }

    void attributeAccessors_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < attributes.size(); ++i)
            QTest::addRow("%s", attributes.at(i).first) << i;
    }

    void attributeAccessors()
    {
        QFETCH(int, index);
        ReportRecorder reports;
        OrderRecord order;
        attributes.at(index).second(order);
        QVERIFY(order.isEmpty());
        QCOMPARE(reports.count(), 0);
    }

    void missingAndMistypedValues()
    {
        ReportRecorder reports;
        OrderRecord order;
        QCOMPARE(order.id(), QString());
        const QString missing = ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecord::rawValue",
                                                     u"it != m_data.end()", u"\"Key specified does not exist. Field=\"Order.Id\"\" ");
        const QString noValue = ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                                     u"!\"unexpected data type or null value\"");
        QCOMPARE(reports.lines(), QStringList({missing, noValue}));

        reports.clear();
        order.setValue(topics.order().stopLimitPlusField(), Variant(QStringLiteral("7")));  // a text under an int field
        QCOMPARE(order.stopLimitPlus(), 0);             // no int: reported, and the default
        QCOMPARE(order.stopLimitPlusOptional(-1), -1);  // silently
        QVERIFY(!order.hasStopLimitPlus());
        QCOMPARE(reports.lines(), QStringList{noValue});
    }

    void withoutTopics()
    {
        // A record made while no standard topics are installed has no topic: every accessor reports.
        IStandardTopics *installed = IStandardTopics::instance();
        ReportRecorder reports;
        Installer::install(nullptr);
        OrderRecord order;
        order.setId(QStringLiteral("lost"));
        QVERIFY(!order.hasId());
        QCOMPARE(order.idOptional(QStringLiteral("default")), QStringLiteral("default"));
        QVERIFY(order.isEmpty());
        Installer::install(installed);

        const QString topicLine = ReportRecorder::line(u"record/recorddatabase", u"Trade::RecordDataBase<class Trade::IOrderTopic>::topic",
                                                       u"m_topic != NULL && \"Topic must be set.\"", u"");
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"topic/istandardtopics", u"Trade::IStandardTopics::instance", u"s_instance != 0"),
                              ReportRecorder::line(u"record/recorddatabase", u"Trade::RecordDataBase<class Trade::IOrderTopic>::setTopic",
                                                   u"m_topic == NULL && value != NULL", u""),
                              topicLine, topicLine, topicLine}));
    }

    void assignmentAndMerge()
    {
        OrderRecord order;
        order.setId(QStringLiteral("A-1"));
        order.setStateText(QStringLiteral("Sent"));
        OrderRecord update;
        update.setStateText(QStringLiteral("Working"));
        update.setFilled(Quantity(1.0, &es));

        ReportRecorder reports;
        const OrderRecord merged = order.merge(update);
        QCOMPARE(merged.id(), QStringLiteral("A-1"));
        QCOMPARE(merged.stateText(), QStringLiteral("Working"));
        QCOMPARE(merged.filled(), Quantity(1.0, &es));
        QCOMPARE(merged.topic(), topics.orderTopic());
        QCOMPARE(order.stateText(), QStringLiteral("Sent"));  // unchanged

        OrderRecord copy;
        copy = order;
        QVERIFY(copy == order);
        QCOMPARE(reports.count(), 0);

        // Across topics: reported, done, and the destination keeps its topic.
        Sample::OrderTopic foreignTopic;
        struct Foreign : OrderRecord
        {
            Foreign(IOrderTopic *topic) { RecordDataBase::setTopic(topic); }
        };
        reports.clear();
        OrderRecord target;
        Foreign foreign(&foreignTopic);  // setTopic over the standard topic reports once
        QCOMPARE(reports.count(), 1);
        foreign.setValue(foreignTopic.idField(), Variant(QStringLiteral("X")));
        target = foreign;
        QCOMPARE(target.topic(), topics.orderTopic());
        QVERIFY(target == foreign);  // same entries, whatever the topics
        (void)target.merge(foreign);
        QCOMPARE(reports.lines().mid(1), QStringList({ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::operator =",
                                                                           u"topic() == value.topic()"),
                                                      ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::merge",
                                                                           u"topic() == other.topic()")}));
    }

    void flags()
    {
        OrderRecord order;
        QVERIFY(!order.isFlagSet(OrderFlags::ZeroQuantityIsValid));
        order.setFlag(OrderFlags::ZeroQuantityIsValid);
        QVERIFY(order.isFlagSet(OrderFlags::ZeroQuantityIsValid));
        QVERIFY(!order.isFlagSet(OrderFlags()));  // nothing in common with no flags
        order.clearFlag(OrderFlags::ZeroQuantityIsValid);
        QVERIFY(!order.isFlagSet(OrderFlags::ZeroQuantityIsValid));
        QVERIFY(order.record().contains(topics.order().flagsField()));  // the field stays

        OrderFlags both(OrderFlags::ShouldBeIgnoredByBasketManager);
        both.setFlag(OrderFlags::ZeroQuantityIsValid);
        order.setValue(topics.order().flagsField(), Variant::fromValue(both));
        order.clearFlag(OrderFlags::ShouldBeIgnoredByBasketManager);
        const OrderFlags left = order.record().rawValue(topics.order().flagsField()).strongValue<OrderFlags>();
        QCOMPARE(left.bits(), 2u);
        QCOMPARE(both.toString(), QStringLiteral("ShouldBeIgnoredByBasketManager: 1\nZeroQuantityIsValid: 1"));
        QCOMPARE(left.toString(), QStringLiteral("ShouldBeIgnoredByBasketManager: 0\nZeroQuantityIsValid: 1"));
    }

    void emptyExitStrategyTemplate()
    {
        OrderRecord order;
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        QVERIFY(order.hasEmptyExitStrategyTemplate());
        QVERIFY(!order.hasExitStrategyTemplate());
        order.setExitStrategyTemplate(&exitTemplate);
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        order.removeExitStrategyTemplate();
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
    }

    void savedAndLoadedEqual()
    {
        OrderRecord order;
        order.setSymbol(&es);
        order.setAccount(&account);
        order.setId(QStringLiteral("A-1"));
        order.setAction(OrderAction::SellShort);
        order.setCategory(OrderCategory::Limit);
        order.setExpiry(OrderExpiry::ExtendedHours);
        order.setState(OrderState(OrderState::Completed, OrderState::reasonCanceled));
        order.setLimitPrice(Price(5012.25, &es));
        order.setQuantity(Quantity(3.0, &es));
        order.setEventSource(EventSource(EventSource::Dashboard, Common::InvocationType(11)));
        order.setEventReason(EventReason(QStringLiteral("rebalancing: weekly")));
        order.setFlag(OrderFlags::ZeroQuantityIsValid);
        SpreadLegsOrderInfo legs;
        legs.orderInfoBySymbol(&es).setQuantity(Quantity(1.0, &es));
        OrderRecord &second = legs.orderInfoBySymbol(&nq);
        second.setLimitPrice(Price(18000.5, &nq));
        second.setAction(OrderAction::Sell);
        order.setSpreadLegs(legs);

        ReportRecorder reports;
        const QString json = order.dump().toJsonIndented();
        const OrderRecord loaded(Variant::load(Dump::fromJson(json), Variant()).valueOr(VariantRecord()));
        QCOMPARE(loaded.size(), order.size());
        QVERIFY(loaded == order);
        QCOMPARE(loaded.eventReason().toString(), QStringLiteral("rebalancing: weekly"));
        QCOMPARE(loaded.eventSource().toString(), QStringLiteral("Dashboard Hot Key"));
        QCOMPARE(loaded.state().toString(), QStringLiteral("Canceled"));
        const SpreadLegsOrderInfo loadedLegs = loaded.spreadLegs();
        QCOMPARE(int(loadedLegs.end() - loadedLegs.begin()), 2);
        QCOMPARE(loadedLegs.orderInfoBySymbol(static_cast<const ISymbol *>(&nq)).limitPrice(), Price(18000.5, &nq));
        QCOMPARE(reports.count(), 0);

        // No storage and storage without orders are told apart.
        for (bool touched : {false, true}) {
            SpreadLegsOrderInfo none;
            if (touched)
                (void)none.begin();
            const Dump savedLegs = Variant::fromValue(none).save();
            QVERIFY(Variant::load(Dump::fromJson(savedLegs.toJsonIndented()), Variant()).valueOr(legs) == none);
        }
        QCOMPARE(reports.count(), 0);
    }

    void jsonWithProblems()
    {
        OrderRecord order;
        order.setSymbol(&es);
        order.setAccount(&account);
        order.setId(QStringLiteral("A-1"));
        order.setQuantity(Quantity(30.0, &es));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("order.json"));
        QVERIFY(order.saveJsonFile(path));

        ReportRecorder reports;
        QVector<LoadProblem> problems;
        QVERIFY(OrderRecord::loadJsonFile(path, Variant(), &problems) == order);
        // The context's symbol takes the quantity (in lots of 1: both symbols have lot size 1).
        QCOMPARE(OrderRecord::fromJson(order.toJson(), Variant::fromValue<ISymbol *>(&nq)).quantity().symbol(), &nq);
        QVERIFY(problems.isEmpty());

        // The host no longer knows the symbol, the account or a field: each is said once, logged
        // as an error where a key found nothing, and left out.
        QString text = order.toJson();
        text.replace(QStringLiteral("\"ESZ26\""), QStringLiteral("\"ESH27\""))
            .replace(QStringLiteral("\"SIM-1\""), QStringLiteral("\"SIM-9\""))
            .replace(QStringLiteral("\"Order.Id\""), QStringLiteral("\"Order.Gone\""));
        const OrderRecord loaded = OrderRecord::fromJson(text, Variant(), &problems);
        QStringList said;
        for (const LoadProblem &problem : problems)
            said << QStringLiteral("%1 %2 %3").arg(int(problem.kind)).arg(problem.typeName, problem.key);
        said.sort();
        QCOMPARE(said, QStringList({QStringLiteral("4 Trade::IField* Order.Gone"),
                                    QStringLiteral("5 Trade::IAccount* SIM-9"),
                                    QStringLiteral("5 Trade::ISymbol* ESH27"),
                                    QStringLiteral("5 Trade::ISymbol* ESH27")}));  // the order's and the quantity's
        QVERIFY(!loaded.hasSymbol() && !loaded.hasAccount() && !loaded.hasId());
        QCOMPARE(loaded.quantity().value(), 30.0);
        QCOMPARE(reports.count(), 0);
        int errors = 0;
        for (const RecordedLog &log : reports.logs())
            errors += log.severity == 4;
        QCOMPARE(errors, 4);

        problems.clear();
        QVERIFY(OrderRecord::fromJson(Variant(5).toJson(), Variant(), &problems).isEmpty());
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().kind, LoadProblem::MalformedText);
    }

    void spreadLegsOrderInfo()
    {
        ReportRecorder reports;
        SpreadLegsOrderInfo info;
        QVERIFY(info.isEmpty());
        QVERIFY(info.orderInfoBySymbol(static_cast<const ISymbol *>(&es)).isEmpty());  // the shared empty order
        QVERIFY(info == SpreadLegsOrderInfo());  // the lookup made no storage

        OrderRecord &leg = info.orderInfoBySymbol(&es);
        QCOMPARE(leg.symbol(), &es);
        leg.setQuantity(Quantity(2.0, &es));
        QCOMPARE(&info.orderInfoBySymbol(&es), &leg);  // found again, not added
        QCOMPARE(int(info.end() - info.begin()), 1);

        const SpreadLegsOrderInfo copy = info;
        info.orderInfoBySymbol(&nq);
        QCOMPARE(int(copy.end() - copy.begin()), 1);  // copies do not share changes
        QVERIFY(copy != info);
        QCOMPARE(reports.count(), 0);

        // A null symbol names no leg: reported, and answered by one order without symbol, never a loop.
        OrderRecord &unnamed = info.orderInfoBySymbol(static_cast<ISymbol *>(nullptr));
        QCOMPARE(&info.orderInfoBySymbol(static_cast<ISymbol *>(nullptr)), &unnamed);
        QCOMPARE(int(info.end() - info.begin()), 3);
        QCOMPARE(reports.count(), 2);

        SpreadLegsOrderInfo touched;
        (void)touched.begin();  // storage without orders
        QVERIFY(touched.isEmpty() && SpreadLegsOrderInfo().isEmpty());
        QVERIFY(touched != SpreadLegsOrderInfo());
        info.clear();
        QVERIFY(info == SpreadLegsOrderInfo());

        // The shared empty order names the topics installed now, also after the host replaced them.
        IStandardTopics *installed = IStandardTopics::instance();
        {
            // Without topics the shared order has none: the first lookup says so, later ones are
            // silent.
            Installer::install(nullptr);
            ReportRecorder withoutTopics;
            info.orderInfoBySymbol(static_cast<const ISymbol *>(&es));
            const int first = withoutTopics.count();
            info.orderInfoBySymbol(static_cast<const ISymbol *>(&es));
            info.orderInfoBySymbol(static_cast<const ISymbol *>(&nq));
            QCOMPARE(withoutTopics.count(), first);
        }
        {
            Sample::StandardTopics replacement;
            QCOMPARE(info.orderInfoBySymbol(static_cast<const ISymbol *>(&es)).topic(), replacement.orderTopic());
            QVERIFY(!info.orderInfoBySymbol(static_cast<const ISymbol *>(&es)).hasId());
        }
        Installer::install(installed);
        QCOMPARE(info.orderInfoBySymbol(static_cast<const ISymbol *>(&es)).topic(), topics.orderTopic());
    }
};

QTEST_GUILESS_MAIN(tst_OrderRecord)
#include "tst_orderrecord.moc"
