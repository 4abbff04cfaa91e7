#include <testsupport/reportrecorder.h>

#include <basekit/iconverter.h>
#include <samplehost/market.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/storage/storagetablemodel.h>

#include <QtCore/QRandomGenerator>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>

#include <functional>

// A value whose converter cannot show it: showing it reports.
namespace Trade {
struct Unshowable
{
    bool operator==(const Unshowable &) const { return true; }
};
class UnshowableConverter : public StubConverterImpl
{};
} // namespace Trade

Q_DECLARE_METATYPE(Trade::Unshowable)
Q_DECLARE_METATYPE(Trade::UnshowableConverter)

using namespace Trade;

namespace {

using Edit = std::function<void(OrderRecord &)>;

struct World : Sample::Market
{
    const Sample::OrderTopic &topic = topics.order();

    FieldSet columns() const
    {
        return {topic.idField(), topic.actionField(), topic.limitPriceField(), topic.quantityField(),
                topic.stateField()};
    }

    OrderRecord order(const QString &id, const char *price = "5012.25", int lots = 3,
                      OrderState::Type state = OrderState::Working, OrderAction::Type action = OrderAction::Buy)
    {
        OrderRecord order;
        order.setId(id), order.setSymbol(&es), order.setAccount(&account), order.setAction(action);
        order.setCategory(OrderCategory::Limit);
        if (price) // null: no limit price
            order.setLimitPrice(Price(QString::fromLatin1(price), &es));
        order.setQuantity(Quantity::fromLots(lots, &es)), order.setState(OrderState(state));
        return order;
    }
    void add(const char *id, const char *price = "5012.25", int lots = 3, OrderState::Type state = OrderState::Working)
    {
        orders.addOrder(order(QString::fromLatin1(id), price, lots, state));
    }
    void remove(const char *id) { orders.remove(orders.find(QString::fromLatin1(id))); }
};

using Tester = QAbstractItemModelTester;
constexpr Tester::FailureReportingMode checked = Tester::FailureReportingMode::QtTest;

// A storage that does not greet a new follower with Reset, as the sample ones do: the model reads it on its own.
class QuietOrders : public Sample::OrderStorage
{
    Q_OBJECT

private Q_SLOTS:
    void attached_storageChanged(const Link *) {}
};

class HookedOrders : public Sample::OrderStorage
{
public:
    std::function<void()> onLeft;

protected:
    void onUnsubscribed(const Link *link) override
    {
        Sample::OrderStorage::onUnsubscribed(link);
        if (const auto left = std::exchange(onLeft, nullptr))
            left();
    }
};

using Runs = QVector<QPair<int, int>>;

QStringList texts(const char *list) // "A-1, A-2"
{
    return QString::fromLatin1(list).split(QLatin1String(", "), Qt::SkipEmptyParts);
}

QStringList ids(const QAbstractItemModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << model.index(row, 0).data().toString();
    return result;
}

// Whether the rows are exactly the storage's records that pass the filter, found by row, with current values.
bool matches(const StorageTableModel &model, const Sample::Storage &storage)
{
    QStringList expected, shown;
    QSet<IRecord *> held;
    for (int r = 0; r < storage.count(); ++r) {
        held.insert(storage.at(r));
        if (!model.hasFilter() || storage.passesFilter(storage.at(r), *model.filter()))
            expected << storage.at(r)->key();
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        IRecord *record = model.record(row);
        if (!held.contains(record) || model.rowOf(record) != row)
            return false;
        shown << record->key();
        for (int column = 0; column < model.columnCount(); ++column) {
            const Variant *value = record->variantRecord().stored(model.columns().at(column));
            if (!(Variant(model.index(row, column).data(StorageTableModel::ValueRole)) == (value ? *value : Variant())))
                return false;
        }
    }
    expected.sort();
    shown.sort();
    return shown == expected;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_StorageTableModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<World> market;

private Q_SLOTS:
    void initTestCase() { registerConverterType<UnshowableConverter>(); }
    void init() { market = std::make_unique<World>(); }
    void cleanup() { market.reset(); }

    // A value whose text reports shows what its converter gives, its tooltip the report, which reaches no service.
    void roles_data()
    {
        QTest::addColumn<int>("column"); // id, action, limit and stop price, quantity, state, state text
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, int column, int role, const QVariant &expected) {
            QTest::newRow(name) << column << role << expected;
        };
        const int field = StorageTableModel::FieldRole;
        row("first field role", 1, field, QStringLiteral("A-1"));
        row("past the field roles", 1, field + 7, QVariant());
        row("no entry", 3, Qt::DisplayRole, QVariant());
        row("no entry, value", 3, StorageTableModel::ValueRole, QVariant());
        row("no tooltip", 2, Qt::ToolTipRole, QVariant());
        row("edit", 1, Qt::EditRole, QVariant(Variant::fromValue(OrderAction(OrderAction::Buy))));
        row("another role", 1, Qt::DecorationRole, QVariant());
        row("display that reports", 6, Qt::DisplayRole, QString());
        row("tooltip of the report", 6, Qt::ToolTipRole,
            QStringLiteral("Trade::StubConverterImpl::toString: !\"Not Implemented.\""));
    }

    void roles()
    {
        QFETCH(int, column);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        World &m = *market;
        VariantRecord entries = m.order(QStringLiteral("A-1")).record();
        entries.setValue(m.topic.stateTextField(), Variant::fromValue(Unshowable()));
        m.orders.add(std::make_unique<Sample::Record>(QStringLiteral("A-1"), m.topic.fields(), entries));
        StorageTableModel model(&m.orders, FieldSet{m.topic.idField(), m.topic.actionField(), m.topic.limitPriceField(),
                                                    m.topic.stopPriceField(), m.topic.quantityField(),
                                                    m.topic.stateField(), m.topic.stateTextField()});
        ReportRecorder reports;
        const QVariant value = model.index(0, column).data(role);
        QCOMPARE(Variant(value) == Variant(expected) && value.isValid() == expected.isValid(), true);
        QCOMPARE(reports.count() + reports.logs().size(), 0);
    }

    // Stale indexes and another model's read nothing; announcements without a record or of another storage do nothing.
    void headersRolesAndStaleIndexes()
    {
        World &m = *market;
        StorageTableModel empty(&m.orders);
        QSignalSpy insertedColumns(&empty, &QAbstractItemModel::columnsInserted);
        QCOMPARE(empty.columnCount(), 0); // no record yet, no topic to take the columns from
        m.add("A-1");
        QCOMPARE(insertedColumns.value(0).mid(1), QVariantList({0, empty.columnCount() - 1}));
        QVERIFY(empty.columns() == m.orders.at(0)->topicFields() && empty.rowCount() == 1);

        // Every character but letters, digits and the underscore becomes an underscore in a role name.
        Sample::Field odd(QStringLiteral("a/09:@AZ[`az{_"), QStringLiteral("Odd"), QMetaType::QString);
        StorageTableModel model(&m.orders, m.columns() << &odd);
        QStringList headers;
        for (int column = 0; column < model.columnCount(); ++column)
            headers << model.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, texts("Order Id, Action, Limit Price, Quantity, State, Odd"));
        QCOMPARE(model.headerData(6, Qt::Horizontal), QVariant(7)); // past the columns: Qt's numbering
        using R = StorageTableModel;
        QStringList names;
        for (const int role : {int(R::FieldRole), R::FieldRole + 5, int(R::RecordRole), int(R::ValueRole), 0})
            names << QString::fromLatin1(model.roleNames().value(role));
        QCOMPARE(names, texts("Order_Id, a_09__AZ__az__, record, value, display"));
        QCOMPARE(model.index(0, 0).data(StorageTableModel::RecordRole).value<IRecord *>(), m.orders.at(0));
        QVERIFY(!model.record(1) && !model.record(-1) && model.rowOf(nullptr) == -1);

        m.add("A-2");
        Tester tester(&model, checked);
        const QModelIndex lastRow = model.index(1, 0), stateColumn = model.index(0, 4);
        QVERIFY(!model.data(empty.index(0, 0)).isValid());
        m.remove("A-2");
        QVERIFY(!model.data(lastRow, StorageTableModel::RecordRole).isValid());
        model.setColumns(
            FieldSet{m.topic.idField(), m.topic.actionField(), m.topic.limitPriceField(), m.topic.quantityField()});
        QVERIFY(!model.data(stateColumn, StorageTableModel::RecordRole).isValid());

        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        for (IStorage::ChangeEvent event : {IStorage::Added, IStorage::Updated, IStorage::Removed})
            Q_EMIT m.orders.storageChanged(event, nullptr, &m.orders);
        Q_EMIT m.orders.storageChanged(IStorage::Removed, model.record(0), &m.positions);
        Q_EMIT m.orders.storageChanged(IStorage::Reset, nullptr, &m.positions);
        QCOMPARE(ids(model), texts("A-1"));
        QCOMPARE(changes.size() + inserted.size() + resets.size(), 0);
    }

    // An update signals the runs of adjacent columns whose values changed, and nothing else.
    void updatedCells_data()
    {
        QTest::addColumn<Runs>("expected");
        QTest::addColumn<Edit>("edit");
        const auto row = [](const char *name, Runs expected, Edit edit) { QTest::newRow(name) << expected << edit; };
        const auto lots = [](OrderRecord &o) { o.setQuantity(Quantity::fromLots(4, o.symbol())); };
        row("nothing", {}, [](OrderRecord &) {});
        row("first column", {{0, 0}}, lots);
        row("two adjacent", {{0, 1}},
            [=](OrderRecord &o) { lots(o), o.setLimitPrice(Price(QStringLiteral("5000"), o.symbol())); });
        row("a value where there was none", {{4, 4}}, [](OrderRecord &o) { o.setStateText(QStringLiteral("x")); });
        row("apart, the last", {{2, 2}, {5, 5}},
            [](OrderRecord &o) { o.setAction(OrderAction::Sell), o.setState(OrderState(OrderState::Completed)); });
        row("same value", {}, [](OrderRecord &o) { o.setLimitPrice(Price(QStringLiteral("5012.25"), o.symbol())); });
        row("a field not shown", {}, [](OrderRecord &o) { o.setStopPrice(Price(QStringLiteral("4990"), o.symbol())); });
    }

    void updatedCells()
    {
        QFETCH(Edit, edit);
        QFETCH(Runs, expected);
        World &m = *market;
        m.add("A-0");
        m.add("A-1");
        StorageTableModel model(&m.orders,
                                FieldSet{m.topic.quantityField(), m.topic.limitPriceField(), m.topic.actionField(),
                                         m.topic.idField(), m.topic.stateTextField(), m.topic.stateField()});
        Tester tester(&model, checked);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        OrderRecord full = m.orders.order(QStringLiteral("A-1"));
        edit(full);
        m.orders.updateOrder(full);
        Runs actual; // the (first, last) columns of each dataChanged, all in the updated row
        for (const QList<QVariant> &arguments : changed) {
            actual << qMakePair(arguments.at(0).toModelIndex().column(), arguments.at(1).toModelIndex().column());
            QVERIFY(arguments.at(0).toModelIndex().row() == 1 && arguments.at(1).toModelIndex().row() == 1);
        }
        QCOMPARE(actual, expected);
    }

    // Clearings, resets and new filters reset the model; records move as they pass the filter, to the end.
    void rowsFollowTheStorage()
    {
        World &m = *market;
        StorageTableModel model(nullptr, m.columns()); // given its storage later, as a view's model often is
        model.setStorage(&m.orders);
        Tester tester(&model, checked);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        m.add("A-0");
        m.orders.reset(Sample::records(std::make_unique<Sample::Record>(QStringLiteral("B-1"), m.topic.fields(),
                                                                        m.order(QStringLiteral("B-1")).record())));
        QCOMPARE(ids(model), texts("B-1"));
        QCOMPARE(reset.size(), 2); // AboutToClear, then Reset
        m.orders.clear();
        QVERIFY(model.rowCount() == 0 && model.columnCount() == 5);

        m.add("A-1");
        m.add("A-2", "5000", 1, OrderState::Completed);
        m.add("A-3");
        reset.clear();
        model.setFilter(OrderStorageFilter().working(true));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(ids(model), texts("A-1, A-3"));

        m.orders.updateOrder(m.order(QStringLiteral("A-1"), "5012.25", 3, OrderState::Completed));
        m.orders.updateOrder(m.order(QStringLiteral("A-2"), "5000", 1, OrderState::Working));
        m.add("A-5");
        QCOMPARE(ids(model), texts("A-3, A-2, A-5")); // back in, at the end

        model.clearFilter();
        QVERIFY(reset.size() == 2 && !model.hasFilter());
        QCOMPARE(ids(model), texts("A-1, A-2, A-3, A-5"));
    }

    // The sorting proxy orders values as their converters do, empty cells first (Qt's own orders texts).
    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::addRow("prices by ticks, a text first") << 2 << texts("A-4, A-3, A-1, A-2");
        QTest::addRow("texts, none first") << 5 << texts("A-4, A-2, A-3, A-1");
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        World &m = *market;
        const auto add = [&](const char *id, const char *price, int lots, OrderAction::Type action, const char *text) {
            OrderRecord order = m.order(QString::fromLatin1(id), price, lots, OrderState::Working, action);
            if (text)
                order.setStateText(QString::fromLatin1(text));
            VariantRecord values = order.record();
            if (!price) // a text where a price belongs: the price's order takes it for none
                values.setValue(m.topic.limitPriceField(), Variant(QStringLiteral("n/a")));
            m.orders.addOrder(OrderRecord(values));
        };
        add("A-3", "99.5", 9, OrderAction::SellShort, "b");
        add("A-1", "100.25", 10, OrderAction::Sell, "c");
        add("A-2", "1000", 2, OrderAction::Buy, "a");
        add("A-4", nullptr, 100, OrderAction::Buy, nullptr);
        StorageTableModel model(&m.orders, m.columns() << m.topic.stateTextField());
        StorageTableSortModel sorted;
        sorted.setSourceModel(&model);
        sorted.sort(column);
        QCOMPARE(ids(sorted), ascending);
        sorted.sort(column, Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(ids(sorted), ascending);
    }

    // The model makes what an observer of rowsInserted asks; behind a clearing a pending record is not read again.
    void insideItsSignals_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("shown");
        QTest::addRow("nothing, deleted outside a signal") << 0 << QString();
        QTest::addRow("another storage, then deleted") << 2 << QStringLiteral("B-1");
        QTest::addRow("an update, then a clearing") << 3 << QString();
    }
    void insideItsSignals()
    {
        QFETCH(int, asked);
        QFETCH(QString, shown);
        World &m = *market;
        QuietOrders other;
        other.addOrder(m.order(QStringLiteral("B-1")));
        auto orders = std::make_unique<Sample::OrderStorage>();
        orders->addOrder(m.order(QStringLiteral("A-1")));
        StorageTableModel model(orders.get(), m.columns());
        Tester tester(&model, checked);
        bool once = true;
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, [&] {
            if (!std::exchange(once, false))
                return;
            if (asked == 3)
                orders->updateOrder(m.order(QStringLiteral("A-1"), "4000"));
            else
                model.setStorage(&other);
            asked == 3 ? orders->clear() : orders.reset();
        });
        if (asked)
            orders->addOrder(m.order(QStringLiteral("A-2")));
        else
            orders.reset();
        QCOMPARE(model.storage(), asked == 3 ? orders.get() : asked == 2 ? static_cast<IStorage *>(&other) : nullptr);
        QCOMPARE(ids(model).join(u','), shown);
        m.add("C-1");
        model.setStorage(&m.orders);
        QCOMPARE(ids(model), texts("C-1"));
    }

    // What the host asks of a model while the model lets its storage go, in its destructor, is not done.
    // An observer that hears an addition before the model takes the record out again: the model never shows it.
    void recordTakenBeforeTheModelHearsOfIt()
    {
        World &m = *market;
        std::unique_ptr<Sample::Record> taken;
        QObject first; // connected before the model subscribes, so called first
        connect(&m.orders, &Sample::Storage::storageChanged, &first, [&](IStorage::ChangeEvent event, IRecord *record) {
            if (event == IStorage::Added && !taken)
                taken.reset(m.orders.take(m.orders.find(record->key())));
        });
        StorageTableModel model(&m.orders, m.columns());
        m.add("A-1");
        m.add("A-2");
        QVERIFY(taken && ids(model) == texts("A-2"));
    }

    void changedWhileItGoes()
    {
        World &m = *market;
        HookedOrders hooked;
        hooked.addOrder(m.order(QStringLiteral("A-1")));
        auto *going = new StorageTableModel(&hooked, m.columns());
        QSignalSpy resets(going, &QAbstractItemModel::modelAboutToBeReset);
        hooked.onLeft = [&] {
            going->setColumns(FieldSet{m.topic.idField()});
            going->setFilter(OrderStorageFilter().working(false));
            going->setStorage(&m.orders);
        };
        delete going;
        QVERIFY(!hooked.onLeft); // it ran
        QCOMPARE(resets.size(), 0);
        QVERIFY(m.orders.links().isEmpty()); // nor follows another storage
    }

    // Random changes, also inside the model's signals (which may delete it). TYPEKIT_STRESS_SEED runs one seed.
    void churn()
    {
        const int seconds = qEnvironmentVariableIntValue("TYPEKIT_STRESS_SECONDS");
        const QDeadlineTimer deadline(std::chrono::seconds(seconds > 0 ? seconds : 2));
        const quint32 only = quint32(qEnvironmentVariableIntValue("TYPEKIT_STRESS_SEED"));
        for (quint32 seed = only ? only : 1; only ? seed == only : seed < 6 || !deadline.hasExpired(); ++seed) {
            churnWith(seed);
            if (QTest::currentTestFailed())
                return;
        }
    }

private:
    void churnWith(quint32 seed);
};

void tst_StorageTableModel::churnWith(quint32 seed)
{
    QRandomGenerator random(seed);
    World &m = *market;
    std::unique_ptr<Sample::OrderStorage> orders;
    QPointer<StorageTableModel> model;
    std::unique_ptr<StorageTableSortModel> sorted;
    std::unique_ptr<Tester> tester, sortedTester;
    int nextId = 0, depth = 0;
    std::function<void(bool)> meddle;
    const auto bounded = [&](int n) { return int(random.bounded(n)); };

    const auto makeModel = [&] {
        tester.reset();
        sortedTester.reset();
        model = new StorageTableModel(orders.get(), bounded(3) ? m.columns() : FieldSet());
        tester = std::make_unique<Tester>(model, Tester::FailureReportingMode::Fatal);
        sorted = std::make_unique<StorageTableSortModel>();
        sorted->setSourceModel(model);
        sorted->sort(bounded(5));
        sortedTester = std::make_unique<Tester>(sorted.get(), Tester::FailureReportingMode::Fatal);
        // After the signals that end a change the model may go; not before.
        const auto hook = [&](auto signal, bool mayDelete) {
            QObject::connect(model, signal, model, [&meddle, mayDelete] { meddle(mayDelete); });
        };
        using M = QAbstractItemModel;
        hook(&M::rowsInserted, true), hook(&M::rowsRemoved, true), hook(&M::dataChanged, true);
        hook(&M::modelReset, true), hook(&M::rowsAboutToBeInserted, false), hook(&M::rowsAboutToBeRemoved, false);
        hook(&M::modelAboutToBeReset, false);
    };
    const auto makeStorage = [&] {
        orders = std::make_unique<Sample::OrderStorage>();
        if (model && bounded(2))
            model->setStorage(orders.get());
    };
    const auto price = [&] { return bounded(2) ? "5012.25" : "4999"; };
    const auto state = [&] { return bounded(3) ? OrderState::Working : OrderState::Completed; };

    const auto step = [&](bool inside, bool mayDelete) {
        const int choice = bounded(inside ? 8 : 11);
        Sample::Record *record = orders->count() ? orders->at(bounded(orders->count())) : nullptr;
        if (choice < 2) {
            orders->addOrder(m.order(QStringLiteral("R-%1").arg(nextId++), price(), bounded(4) + 1, state()));
        } else if (choice < 4 && record) {
            OrderRecord update;
            update.setId(record->key());
            if (bounded(2))
                update.setQuantity(Quantity::fromLots(bounded(4) + 1, &m.es));
            if (bounded(2))
                update.setState(OrderState(state()));
            if (bounded(2))
                update.setLimitPrice(Price(QString::fromLatin1(price()), &m.es));
            orders->updateOrder(update);
        } else if (choice == 4 && record) {
            orders->remove(record);
        } else if (choice == 5 && model) {
            if (bounded(2))
                model->setFilter(OrderStorageFilter().working(true));
            else
                model->clearFilter();
        } else if (choice == 6 && model) {
            if (inside && mayDelete && bounded(4) == 0)
                delete model.data();
            else if (bounded(3) == 0)
                model->setColumns(bounded(2) ? m.columns() : FieldSet{m.topic.quantityField(), m.topic.idField()});
        } else if (choice == 7 && !inside) {
            orders->clear();
        } else if (choice == 8) {
            std::vector<std::unique_ptr<Sample::Record>> records;
            for (int i = bounded(4); i > 0; --i) {
                const QString id = QStringLiteral("S-%1").arg(nextId++);
                records.push_back(std::make_unique<Sample::Record>(id, m.topic.fields(), m.order(id).record()));
            }
            orders->reset(std::move(records));
        } else if (choice == 9 && !model) {
            makeModel();
        } else if (choice == 10 || choice == 7) {
            makeStorage();
        }
    };
    meddle = [&](bool mayDelete) {
        if (depth < 2 && !bounded(4)) {
            ++depth;
            step(true, mayDelete);
            --depth;
        }
    };

    makeStorage();
    makeModel();
    for (int i = 0; i < 150; ++i) {
        step(false, false);
        // A model whose storage went shows nothing until given the next; its observers may replace that, or it.
        while (!model || model->storage() != orders.get()) {
            if (model)
                model->setStorage(orders.get());
            else
                makeModel();
        }
        QVERIFY2(matches(*model, *orders), qPrintable(QString::number(seed)));
    }
    delete model.data();
}

QTEST_GUILESS_MAIN(tst_StorageTableModel)
#include "tst_storagetablemodel.moc"
