// Order records: every attribute's accessors, the report chains of missing and mistyped values,
// topics, merging, flags and the saved form; the order details of spread legs.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/ticket.h>
#include <typekit/order/orderrecord.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>

using namespace Trade;

namespace {

using Check = std::function<void(OrderRecord &)>;

// The check of the five accessors of one attribute, on an empty order (a fallback {} is T's default).
template <typename T, typename Has, typename Remove, typename Set, typename Get, typename Optional>
Check accessors(Has has, Remove remove, Set set, Get get, Optional optional, const T &value, const T &fallback)
{
    return [=](OrderRecord &order) {
        const auto unset = [&] { return !(order.*has)() && (order.*optional)(fallback) == fallback; };
        QVERIFY(unset());
        (order.*set)(value);
        QVERIFY((order.*has)() && (order.*get)() == value && (order.*optional)(fallback) == value);
        (order.*remove)();
        QVERIFY(unset());
    };
}

// The rows are made before the test's market: the values are made when the check runs, on the
// market of that test.
#define ATTRIBUTE(Name, name, value, fallback)                                                                         \
    QTest::newRow(#name) << Check([this](OrderRecord &order) {                                                         \
        accessors(&OrderRecord::has##Name, &OrderRecord::remove##Name, &OrderRecord::set##Name, &OrderRecord::name,    \
                  &OrderRecord::name##Optional, value, fallback)(order);                                               \
    })

// Installs other topics, or none, as a host may.
struct Installer : IStandardTopics
{
    static void install(IStandardTopics *topics) { setInstance(topics); }
};

} // namespace

Q_DECLARE_METATYPE(Check)

class tst_OrderRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;
    Sample::ExitStrategyTemplate exitTemplate{QStringLiteral("Two targets")};

    // One leg of one lot on es.
    SpreadLegsOrderInfo legs() const
    {
        SpreadLegsOrderInfo legs;
        legs.orderInfoBySymbol(&market->es).setQuantity(Quantity(1.0, &market->es));
        return legs;
    }

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void attributeAccessors_data()
    {
        QTest::addColumn<Check>("check");
        ATTRIBUTE(Symbol, symbol, static_cast<ISymbol *>(&market->es), static_cast<ISymbol *>(&market->nq));
        ATTRIBUTE(Account, account, static_cast<IAccount *>(&market->account), {});
        ATTRIBUTE(ExitStrategyTemplate, exitStrategyTemplate, static_cast<IExitStrategyTemplate *>(&exitTemplate), {});
        ATTRIBUTE(Id, id, QStringLiteral("A-1"), QStringLiteral("none"));
        ATTRIBUTE(ZelTag, zelTag, QStringLiteral("scalp"), {});
        ATTRIBUTE(Type, type, QStringLiteral("LMT"), {});
        ATTRIBUTE(StateText, stateText, QStringLiteral("Working"), {});
        ATTRIBUTE(StopLimitPlus, stopLimitPlus, 3, -1);
        ATTRIBUTE(Action, action, OrderAction(OrderAction::SellShort), OrderAction(OrderAction::Buy));
        ATTRIBUTE(LimitPrice, limitPrice, Price(5012.25, &market->es), {});
        ATTRIBUTE(StopPrice, stopPrice, Price(5000.0, &market->es), Price(1.0, &market->es));
        ATTRIBUTE(Category, category, OrderCategory(OrderCategory::StopLimit), {});
        ATTRIBUTE(State, state, OrderState(OrderState::Completed, OrderState::reasonFilled), {});
        ATTRIBUTE(Expiry, expiry, OrderExpiry(OrderExpiry::DayOrder), {});
        ATTRIBUTE(Quantity, quantity, Quantity(5.0, &market->es), {});
        ATTRIBUTE(Filled, filled, Quantity(2.0, &market->es), Quantity(0.0, nullptr));
        ATTRIBUTE(EventSource, eventSource, EventSource(EventSource::Chart, Common::InvocationType(2)), {});
        ATTRIBUTE(EventReason, eventReason, EventReason(EventReason::ModifyOrder), {});
        ATTRIBUTE(SpreadLegs, spreadLegs, legs(), {});
    }

    void attributeAccessors()
    {
        QFETCH(Check, check);
        ReportRecorder reports;
        OrderRecord order;
        check(order);
        QVERIFY(order.isEmpty());
        QCOMPARE(reports.count(), 0);
    }

    void missingValuesAndTopics()
    {
        ReportRecorder reports;
        OrderRecord order;
        QCOMPARE(order.id(), QString());
        const QString missing =
            ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecord::rawValue", u"it != m_data.end()",
                                 u"\"Key specified does not exist. Field=\"Order.Id\"\" ");
        const QString noValue =
            ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                 u"!\"unexpected data type or null value\"");
        QCOMPARE(reports.lines(), QStringList({missing, noValue}));

        reports.clear();
        order.setValue(market->topics.order().stopLimitPlusField(),
                       Variant(QStringLiteral("7")));  // a text under an int field
        QCOMPARE(order.stopLimitPlus(), 0);            // no int: reported, and the default
        QCOMPARE(order.stopLimitPlusOptional(-1), -1); // silently
        QCOMPARE(reports.lines(), QStringList{noValue});

        // A record made while no standard topics are installed has no topic: every accessor reports.
        reports.clear();
        IStandardTopics *installed = IStandardTopics::instance();
        Installer::install(nullptr);
        OrderRecord lost;
        lost.setId(QStringLiteral("lost"));
        QVERIFY(!lost.hasId());
        QCOMPARE(lost.idOptional(QStringLiteral("default")), QStringLiteral("default"));
        QVERIFY(lost.isEmpty());
        Installer::install(installed);
        // No topics, setting no topic, and topic() on each accessor (their lines: see tst_recorddatabase).
        QCOMPARE(reports.count(), 5);
    }

    void assignmentAndMerge()
    {
        OrderRecord order;
        order.setId(QStringLiteral("A-1"));
        order.setStateText(QStringLiteral("Sent"));
        OrderRecord update;
        update.setStateText(QStringLiteral("Working"));

        ReportRecorder reports;
        const OrderRecord merged = order.merge(update);
        QCOMPARE(merged.stateText(), QStringLiteral("Working")); // the update's value wins
        QCOMPARE(merged.id(), QStringLiteral("A-1"));            // what only the order has stays
        QCOMPARE(merged.topic(), market->topics.orderTopic());

        OrderRecord copy;
        copy = order;
        QVERIFY(copy == order);

        // Across topics: reported, done, and the destination keeps its topic.
        Sample::OrderTopic foreignTopic;
        struct Foreign : OrderRecord
        {
            Foreign(IOrderTopic *topic) { RecordDataBase::setTopic(topic); }
        };
        OrderRecord target;
        Foreign foreign(&foreignTopic);
        QCOMPARE(reports.count(), 1); // setTopic over the standard topic: the first report here
        foreign.setValue(foreignTopic.idField(), Variant(QStringLiteral("X")));
        target = foreign;
        QCOMPARE(target.topic(), market->topics.orderTopic());
        QVERIFY(target == foreign); // same entries, whatever the topics
        (void)target.merge(foreign);
        QCOMPARE(reports.lines().mid(1),
                 QStringList({ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::operator =",
                                                   u"topic() == value.topic()"),
                              ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::merge",
                                                   u"topic() == other.topic()")}));
    }

    void flagsAndEmptyExitStrategyTemplate()
    {
        for (const quint32 bits : eachRow(std::array{0u, 1u, 2u, 3u})) // each flag's line in both states
            QCOMPARE(OrderFlags(OrderFlags::Type(bits)).toString(),
                     QStringLiteral("ShouldBeIgnoredByBasketManager: %1\nZeroQuantityIsValid: %2")
                         .arg(bits & 1)
                         .arg(bits >> 1));
        OrderRecord order;
        QVERIFY(!order.isFlagSet(OrderFlags::ZeroQuantityIsValid));
        order.setFlag(OrderFlags::ZeroQuantityIsValid);
        order.setFlag(OrderFlags::ShouldBeIgnoredByBasketManager);
        order.clearFlag(OrderFlags::ShouldBeIgnoredByBasketManager);
        QVERIFY(order.isFlagSet(OrderFlags::ZeroQuantityIsValid)
                && !order.isFlagSet(OrderFlags::ShouldBeIgnoredByBasketManager)
                && !order.isFlagSet(OrderFlags())); // none in common with none
        order.clearFlag(OrderFlags::ZeroQuantityIsValid);
        QVERIFY(!order.isFlagSet(OrderFlags::ZeroQuantityIsValid));
        QVERIFY(order.record().contains(market->topics.order().flagsField())); // the field stays

        // An exit strategy template entry without value is the empty template, not a template.
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        QVERIFY(order.hasEmptyExitStrategyTemplate() && !order.hasExitStrategyTemplate());
        order.setExitStrategyTemplate(&exitTemplate);
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        order.removeExitStrategyTemplate();
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
    }

    void jsonWithProblems()
    {
        OrderRecord order;
        order.setSymbol(&market->es);
        order.setAccount(&market->account);
        order.setId(QStringLiteral("A-1"));
        order.setQuantity(Quantity(30.0, &market->es));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("order.json"));
        QVERIFY(order.saveJsonFile(path));

        ReportRecorder reports;
        QVector<LoadProblem> problems;
        QVERIFY(OrderRecord::loadJsonFile(path, Variant(), &problems) == order);
        // The context's symbol takes the quantity (in lots of 1: both symbols have lot size 1).
        QCOMPARE(OrderRecord::fromJson(order.toJson(), Variant::fromValue<ISymbol *>(&market->nq)).quantity().symbol(),
                 &market->nq);
        QVERIFY(problems.isEmpty());

        // A field the host no longer knows is said once and left out, with its saved entry.
        QString text = order.toJson();
        text.replace(QStringLiteral("\"Order.Id\""), QStringLiteral("\"Order.Gone\""));
        const OrderRecord loaded = OrderRecord::fromJson(text, Variant(), &problems);
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().kind, LoadProblem::UnknownField);
        QCOMPARE(problems.first().reference, LoadProblem::FieldReference);
        QCOMPARE(problems.first().key, QStringLiteral("Order.Gone"));
        QCOMPARE(problems.first().saved.asStruct().member(QStringLiteral("field")).asAtom().value(),
                 QStringLiteral("Order.Gone"));
        QVERIFY(!loaded.hasId() && loaded.symbol() == &market->es);
        QCOMPARE(reports.count(), 0);
        problems.clear();
        QVERIFY(OrderRecord::fromJson(Variant(5).toJson(), Variant(), &problems).isEmpty());
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().kind, LoadProblem::MalformedText);
    }

    // An order whose symbol, account and exit strategy template are gone: one problem per saved
    // reference (the symbol is loaded by the order, its price and its quantity), one error log
    // each, a substitution where the host puts the context's symbol in the lost one's place, and
    // the saved forms to write back. A strict load gives no order.
    void goneReferences_data()
    {
        QTest::addColumn<bool>("withContext");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<QStringList>("said");
        const QStringList lost{QStringLiteral("5 2 Trade::IAccount* SIM-9 "),
                               QStringLiteral("5 4 Trade::IExitStrategyTemplate* runner ")};
        QTest::addRow("lenient") << false << false << lost + QStringList{QStringLiteral("5 1 Trade::ISymbol* YMZ26 ")};
        QTest::addRow("lenient, on a context")
            << true << false << lost + QStringList{QStringLiteral("6 1 Trade::ISymbol* YMZ26 ESZ26")};
        QTest::addRow("strict, on a context")
            << true << true << lost + QStringList{QStringLiteral("6 1 Trade::ISymbol* YMZ26 ESZ26")};
    }
    void goneReferences()
    {
        QFETCH(bool, withContext);
        QFETCH(bool, strict);
        QFETCH(QStringList, said);
        QString text;
        {
            Sample::Symbol ym(QStringLiteral("YMZ26"), Symbology::symbolTypeFuture, 1, 1, 5.0);
            Sample::Account gone(QStringLiteral("SIM-9"));
            Sample::ExitStrategyTemplate runner(QStringLiteral("runner"));
            OrderRecord order;
            order.setSymbol(&ym);
            order.setAccount(&gone);
            order.setExitStrategyTemplate(&runner);
            order.setLimitPrice(Price(44000.0, &ym));
            order.setQuantity(Quantity(2.0, &ym));
            text = order.toJson();
        }
        ReportRecorder reports;
        QVector<LoadProblem> problems;
        const Variant context = withContext ? Variant::fromValue<ISymbol *>(&market->es) : Variant();
        const LoadMode mode = strict ? LoadMode::Strict : LoadMode::Lenient;
        const OrderRecord loaded = OrderRecord::fromJson(text, context, &problems, mode);
        QStringList listed;
        for (const LoadProblem &problem : problems) {
            listed << QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(int(problem.kind))
                          .arg(int(problem.reference))
                          .arg(problem.typeName, problem.key, problem.substitute);
            QCOMPARE(problem.saved, Dump(Dump::Atom(problem.typeName, problem.key)));
        }
        listed.sort();
        said.sort();
        QCOMPARE(listed, said);
        // Each unknown name is an error on channel 0 as well.
        const QString unknown = ReportRecorder::logLine(0, 4, u"samplehost/keyedconverter",
                                                        u"Sample::KeyedPointerConverter::load", QString());
        QCOMPARE(reports.logLines().filter(unknown).size(), 3);
        QCOMPARE(Variant::fromJson(text, context, nullptr, mode).isValid(), !strict); // any load
        if (strict) {
            QVERIFY(loaded.isEmpty());
            return;
        }
        // The entries stay, without the values that did not load; the substituted symbol is used.
        QVERIFY(loaded.record().contains(market->topics.order().accountField()) && !loaded.hasAccount());
        QVERIFY(!loaded.hasExitStrategyTemplate());
        QCOMPARE(loaded.record().rawValue(market->topics.order().symbolField()).valueOr<ISymbol *>(nullptr),
                 withContext ? &market->es : nullptr);
        if (withContext)
            QCOMPARE(loaded.limitPrice(), Price(44000.0, &market->es));
    }

    void spreadLegsOrderInfo()
    {
        ReportRecorder reports;
        SpreadLegsOrderInfo info;
        const auto found = [&info](const ISymbol *symbol) -> const OrderRecord & {
            return info.orderInfoBySymbol(symbol);
        };
        QVERIFY(info.isEmpty());
        QVERIFY(found(&market->es).isEmpty());  // the shared empty order
        QVERIFY(info == SpreadLegsOrderInfo()); // the lookup made no storage

        OrderRecord &leg = info.orderInfoBySymbol(&market->es);
        QCOMPARE(leg.symbol(), &market->es);
        leg.setQuantity(Quantity(2.0, &market->es));
        QCOMPARE(&info.orderInfoBySymbol(&market->es), &leg); // found again, not added
        QCOMPARE(int(info.end() - info.begin()), 1);

        SpreadLegsOrderInfo copy;
        copy = info;
        info.orderInfoBySymbol(&market->nq);
        QCOMPARE(int(copy.end() - copy.begin()), 1); // copies do not share changes
        QVERIFY(copy != info);

        // Saved, each leg order is a record of its own (every attribute type's saved form: tst_variantrecord).
        info.orderInfoBySymbol(&market->nq).setLimitPrice(Price(18000.5, &market->nq));
        for (ISymbol *symbol : eachRow(std::array<ISymbol *, 2>{&market->es, &market->nq})) { // either end
            SpreadLegsOrderInfo changed = info;
            changed.orderInfoBySymbol(symbol).setId(QStringLiteral("X"));
            QVERIFY(changed != info);
        }
        OrderRecord order;
        order.setSpreadLegs(info);
        const OrderRecord loaded = OrderRecord::fromJson(order.toJson());
        QVERIFY(loaded == order);
        QCOMPARE(loaded.spreadLegs().orderInfoBySymbol(static_cast<const ISymbol *>(&market->nq)).limitPrice(),
                 Price(18000.5, &market->nq));
        QCOMPARE(reports.count(), 0);

        // A null symbol names no leg: reported, and answered by one order without symbol, never a loop.
        OrderRecord &unnamed = info.orderInfoBySymbol(static_cast<ISymbol *>(nullptr));
        QCOMPARE(&info.orderInfoBySymbol(static_cast<ISymbol *>(nullptr)), &unnamed);
        QCOMPARE(int(info.end() - info.begin()), 3);
        QCOMPARE(reports.count(), 2);

        SpreadLegsOrderInfo touched;
        (void)touched.begin(); // storage without orders
        QVERIFY(touched.isEmpty() && touched != SpreadLegsOrderInfo());
        for (const SpreadLegsOrderInfo &none :
             eachRow(std::array{SpreadLegsOrderInfo(), touched})) { // also told apart once saved
            const Dump saved = Variant::fromValue(none).save();
            QVERIFY(Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(info) == none);
        }
        info.clear();
        QVERIFY(info == SpreadLegsOrderInfo());

        // The shared empty order names the topics installed now, also after the host replaced them.
        IStandardTopics *installed = IStandardTopics::instance();
        {
            // Without topics the shared order has none: the first lookup reports it (twice), later ones not.
            Installer::install(nullptr);
            ReportRecorder withoutTopics;
            found(&market->es);
            QCOMPARE(withoutTopics.count(), 2);
            found(&market->es);
            found(&market->nq);
            QCOMPARE(withoutTopics.count(), 2);
        }
        {
            Sample::StandardTopics replacement;
            QCOMPARE(found(&market->es).topic(), replacement.orderTopic());
        }
        Installer::install(installed);
        QCOMPARE(found(&market->es).topic(), market->topics.orderTopic());
    }
};

QTEST_GUILESS_MAIN(tst_OrderRecord)
#include "tst_orderrecord.moc"
