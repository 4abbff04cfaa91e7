// Order records: accessors, reports of missing and mistyped values, topics, merging, flags, saved form; spread legs.
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
        ATTRIBUTE(Id, id, QStringLiteral("A-1"), QStringLiteral("none"));
        ATTRIBUTE(StopLimitPlus, stopLimitPlus, 3, -1);
        ATTRIBUTE(Action, action, OrderAction(OrderAction::SellShort), OrderAction(OrderAction::Buy));
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
                && !order.isFlagSet(OrderFlags::ShouldBeIgnoredByBasketManager));
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

    void reportsAndMerge()
    {
        ReportRecorder reports;
        OrderRecord order, update, copy;
        QCOMPARE(order.id(), QString());
        order.setValue(market->topics.order().stopLimitPlusField(), Variant(QStringLiteral("7"))); // a text, no int
        QCOMPARE(order.stopLimitPlus(), 0);            // reported, and the default
        QCOMPARE(order.stopLimitPlusOptional(-1), -1); // silently
        QCOMPARE(reports.count(), 3);                  // then Variant::strongValue's two (their line: tst_variant)
        QCOMPARE(reports.lines().first(),
                 ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecord::rawValue",
                                      u"it != m_data.end()", u"\"Key specified does not exist. Field=\"Order.Id\"\" "));
        reports.clear();

        order.setId(QStringLiteral("A-1"));
        order.setStateText(QStringLiteral("Sent"));
        update.setStateText(QStringLiteral("Working"));
        const OrderRecord merged = order.merge(update); // the update's value wins, what only the order has stays
        QVERIFY(merged.stateText() == QLatin1String("Working") && merged.id() == QLatin1String("A-1"));

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
        ReportRecorder reports;
        QVector<LoadProblem> problems;
        QVERIFY(OrderRecord::fromJson(order.toJson(), Variant(), &problems) == order);
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

    // Gone references: one problem and one error log each, the context's symbol as a substitute; strict: no order.
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
        const QString unknown = ReportRecorder::logLine(0, 4, u"samplehost/keyedconverter",
                                                        u"Sample::KeyedPointerConverter::load", QString());
        QCOMPARE(reports.logLines().filter(unknown).size(), 3);
        QCOMPARE(Variant::fromJson(text, context, nullptr, mode).isValid(), !strict); // any load
        QCOMPARE(loaded.isEmpty(), strict);
        if (strict)
            return;
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
        leg.setQuantity(Quantity(2.0, &market->es));
        QVERIFY(&info.orderInfoBySymbol(&market->es) == &leg && size(info) == 1); // found again, not added
        copy = info;
        info.orderInfoBySymbol(&market->nq);
        QVERIFY(size(copy) == 1 && copy != info); // copies do not share changes

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

        // The shared empty order names the topics installed now; without topics only the first lookup reports.
        IStandardTopics *installed = IStandardTopics::instance();
        {
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
