// Order records: every attribute's accessors, the report chains of missing and mistyped values,
// topics, merging, flags and the saved form; the order details of spread legs.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/ticket.h>
#include <typekit/order/orderrecord.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

namespace {

// Checks the five accessors of one attribute on an empty order (a fallback {} is T's default).
template <typename T, typename Has, typename Remove, typename Set, typename Get, typename Optional>
void accessors(const char *name, Has has, Remove remove, Set set, Get get, Optional optional, const T &value,
               const T &fallback)
{
    OrderRecord order;
    const auto unset = [&] { return !(order.*has)() && (order.*optional)(fallback) == fallback; };
    QVERIFY2(unset(), name);
    (order.*set)(value);
    QVERIFY2((order.*has)() && (order.*get)() == value && (order.*optional)(fallback) == value, name);
    (order.*remove)();
    QVERIFY2(unset() && order.isEmpty(), name);
}
#define ATTRIBUTE(Name, name, value, fallback)                                                                         \
    accessors(#name, &OrderRecord::has##Name, &OrderRecord::remove##Name, &OrderRecord::set##Name, &OrderRecord::name, \
              &OrderRecord::name##Optional, value, fallback)

// Installs other topics, or none, as a host may.
struct Installer : IStandardTopics
{
    static void install(IStandardTopics *topics) { setInstance(topics); }
};

} // namespace

class tst_OrderRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;
    Sample::ExitStrategyTemplate exitTemplate{QStringLiteral("Two targets")};

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void attributeAccessors()
    {
        ReportRecorder reports;
        SpreadLegsOrderInfo legs;
        legs.orderInfoBySymbol(&market->es).setQuantity(Quantity(1.0, &market->es));
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
        ATTRIBUTE(SpreadLegs, spreadLegs, legs, {});

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
        QVERIFY(!order.isFlagSet(OrderFlags::ZeroQuantityIsValid)
                && order.record().contains(market->topics.order().flagsField())); // the field stays

        // An exit strategy template entry without value is the empty template, not a template.
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        QVERIFY(order.hasEmptyExitStrategyTemplate() && !order.hasExitStrategyTemplate());
        order.setExitStrategyTemplate(&exitTemplate);
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        order.setEmptyExitStrategyTemplate();
        order.removeExitStrategyTemplate();
        QVERIFY(!order.hasEmptyExitStrategyTemplate());
        QCOMPARE(reports.count(), 0);
    }

    // A missing value, a mistyped one, and records of another topic given to assignment and merge.
    void reportsAndMerge()
    {
        ReportRecorder reports;
        OrderRecord order, update, copy;
        QCOMPARE(order.id(), QString());
        order.setValue(market->topics.order().stopLimitPlusField(), Variant(QStringLiteral("7"))); // a text, no int
        QCOMPARE(order.stopLimitPlus(), 0);            // reported, and the default
        QCOMPARE(order.stopLimitPlusOptional(-1), -1); // silently
        const QString noValue =
            ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                 u"!\"unexpected data type or null value\"");
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecord::rawValue",
                                                   u"it != m_data.end()",
                                                   u"\"Key specified does not exist. Field=\"Order.Id\"\" "),
                              noValue, noValue}));
        reports.clear();

        order.setId(QStringLiteral("A-1"));
        order.setStateText(QStringLiteral("Sent"));
        update.setStateText(QStringLiteral("Working"));
        const OrderRecord merged = order.merge(update); // the update's value wins, what only the order has stays
        QVERIFY(merged.stateText() == QLatin1String("Working") && merged.id() == QLatin1String("A-1"));
        QCOMPARE(merged.topic(), market->topics.orderTopic());
        copy = order;
        QVERIFY(copy == order);

        // Across topics: reported, done, and the destination keeps its topic.
        Sample::OrderTopic foreignTopic;
        struct Foreign : OrderRecord
        {
            Foreign(IOrderTopic *topic) { RecordDataBase::setTopic(topic); }
        } foreign(&foreignTopic);
        QCOMPARE(reports.count(), 1); // setTopic over the standard topic: the first report here
        foreign.setValue(foreignTopic.idField(), Variant(QStringLiteral("X")));
        copy = foreign;
        QCOMPARE(copy.topic(), market->topics.orderTopic());
        QVERIFY(copy == foreign); // same entries, whatever the topics
        (void)copy.merge(foreign);
        QCOMPARE(reports.lines().mid(1),
                 QStringList({ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::operator =",
                                                   u"topic() == value.topic()"),
                              ReportRecorder::line(u"order/orderrecord", u"Trade::OrderRecord::merge",
                                                   u"topic() == other.topic()")}));
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
        const OrderRecord loaded = OrderRecord::fromJson(
            order.toJson().replace(QStringLiteral("\"Order.Id\""), QStringLiteral("\"Order.Gone\"")), Variant(),
            &problems);
        QCOMPARE(problems.size(), 1);
        const LoadProblem &gone = problems.first();
        QVERIFY(gone.kind == LoadProblem::UnknownField && gone.reference == LoadProblem::FieldReference);
        QCOMPARE(gone.saved.asStruct().member(QStringLiteral("field")).asAtom().value(), gone.key);
        QVERIFY(gone.key == QLatin1String("Order.Gone") && !loaded.hasId() && loaded.symbol() == &market->es);
        QCOMPARE(reports.count(), 0);
        problems.clear();
        QVERIFY(OrderRecord::fromJson(Variant(5).toJson(), Variant(), &problems).isEmpty());
        QVERIFY(problems.size() == 1 && problems.first().kind == LoadProblem::MalformedText);
    }

    // A symbol, account and exit strategy template that are gone: one problem and one error log per saved reference,
    // the context's symbol as a substitute, and the saved forms to write back. A strict load gives no order.
    void goneReferences_data()
    {
        QTest::addColumn<bool>("withContext");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<QString>("symbol"); // the symbol's problem, beside the account's and the template's
        QTest::addRow("lenient") << false << false << QStringLiteral("Trade::ISymbol* 5 1 YMZ26 ");
        QTest::addRow("lenient, on a context") << true << false << QStringLiteral("Trade::ISymbol* 6 1 YMZ26 ESZ26");
        QTest::addRow("strict, on a context") << true << true << QStringLiteral("Trade::ISymbol* 6 1 YMZ26 ESZ26");
    }
    void goneReferences()
    {
        QFETCH(bool, withContext);
        QFETCH(bool, strict);
        QFETCH(QString, symbol);
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
            listed << QStringList{problem.typeName, QString::number(int(problem.kind)),
                                  QString::number(int(problem.reference)), problem.key, problem.substitute}
                          .join(u' ');
            QCOMPARE(problem.saved, Dump(Dump::Atom(problem.typeName, problem.key)));
        }
        listed.sort();
        QCOMPARE(listed, QStringList({QStringLiteral("Trade::IAccount* 5 2 SIM-9 "),
                                      QStringLiteral("Trade::IExitStrategyTemplate* 5 4 runner "), symbol}));
        // Each unknown name is an error on channel 0 as well.
        const QString unknown = ReportRecorder::logLine(0, 4, u"samplehost/keyedconverter",
                                                        u"Sample::KeyedPointerConverter::load", QString());
        QCOMPARE(reports.logLines().filter(unknown).size(), 3);
        QCOMPARE(Variant::fromJson(text, context, nullptr, mode).isValid(), !strict); // any load
        QCOMPARE(loaded.isEmpty(), strict);
        if (strict)
            return;
        // The entries stay, without the values that did not load; the substituted symbol is used.
        QVERIFY(loaded.record().contains(market->topics.order().accountField()) && !loaded.hasAccount()
                && !loaded.hasExitStrategyTemplate());
        QCOMPARE(loaded.record().rawValue(market->topics.order().symbolField()).valueOr<ISymbol *>(nullptr),
                 withContext ? &market->es : nullptr);
        if (withContext)
            QCOMPARE(loaded.limitPrice(), Price(44000.0, &market->es));
    }

    void spreadLegsOrderInfo()
    {
        ReportRecorder reports;
        SpreadLegsOrderInfo info, copy;
        const auto found = [&](const ISymbol *symbol) -> const OrderRecord & { return info.orderInfoBySymbol(symbol); };
        const auto size = [](const SpreadLegsOrderInfo &legs) { return int(legs.end() - legs.begin()); };
        QVERIFY(info.isEmpty() && found(&market->es).isEmpty()); // the shared empty order
        QVERIFY(info == SpreadLegsOrderInfo());                  // the lookup made no storage
        OrderRecord &leg = info.orderInfoBySymbol(&market->es);
        QCOMPARE(leg.symbol(), &market->es);
        leg.setQuantity(Quantity(2.0, &market->es));
        QVERIFY(&info.orderInfoBySymbol(&market->es) == &leg && size(info) == 1); // found again, not added
        copy = info;
        info.orderInfoBySymbol(&market->nq);
        QVERIFY(size(copy) == 1 && copy != info); // copies do not share changes

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
        QVERIFY(size(info) == 3 && reports.count() == 2);

        SpreadLegsOrderInfo touched;
        (void)touched.begin(); // storage without orders, also told apart once saved
        QVERIFY(touched.isEmpty() && touched != SpreadLegsOrderInfo());
        for (const SpreadLegsOrderInfo &none : eachRow(std::array{SpreadLegsOrderInfo(), touched})) {
            const Dump saved = Variant::fromValue(none).save();
            QVERIFY(Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(info) == none);
        }
        info.clear();
        QVERIFY(info == SpreadLegsOrderInfo());

        // The shared empty order names the topics installed now, also after the host replaced them.
        IStandardTopics *installed = IStandardTopics::instance();
        {
            // Without topics the shared order has none: the first lookup reports it (twice), later ones not. A
            // record made then has no topic either: setting reports, and so does each accessor.
            Installer::install(nullptr);
            ReportRecorder withoutTopics;
            found(&market->es);
            QCOMPARE(withoutTopics.count(), 2);
            found(&market->es);
            found(&market->nq);
            QCOMPARE(withoutTopics.count(), 2);
            OrderRecord lost;
            lost.setId(QStringLiteral("lost"));
            QVERIFY(!lost.hasId() && lost.idOptional(QStringLiteral("none")) == QLatin1String("none")
                    && lost.isEmpty());
            QCOMPARE(withoutTopics.count(), 7); // their lines: see tst_recorddatabase
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
