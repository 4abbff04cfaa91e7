// The live table over a storage: its roles and headers, the changes it follows (rows in and out,
// the cells of an update, filters), sorting through QSortFilterProxyModel, the objects deleted
// inside its signals, and a seeded random churn that Qt's model tester watches.
#include <testsupport/reportrecorder.h>

#include <basekit/iconverter.h>
#include <samplehost/market.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/storage/storagetablemodel.h>

#include <QtCore/QAbstractItemModel>
#include <QtCore/QRandomGenerator>
#include <QtCore/QSortFilterProxyModel>
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
    Sample::OrderStorage orders;

    FieldSet columns() const
    {
        return {topic.idField(), topic.actionField(), topic.limitPriceField(), topic.quantityField(),
                topic.stateField()};
    }

    OrderRecord order(const QString &id, const char *price = "5012.25", int lots = 3,
                      OrderState::Type state = OrderState::Working) const
    {
        OrderRecord order;
        order.setId(id);
        order.setSymbol(const_cast<Sample::Symbol *>(&es));
        order.setAccount(const_cast<Sample::Account *>(&account));
        order.setAction(OrderAction::Buy);
        order.setCategory(OrderCategory::Limit);
        if (price) // null: no limit price
            order.setLimitPrice(Price(QString::fromLatin1(price), const_cast<Sample::Symbol *>(&es)));
        order.setQuantity(Quantity::fromLots(lots, const_cast<Sample::Symbol *>(&es)));
        order.setState(OrderState(state));
        return order;
    }
    Sample::Record *add(const char *id, const char *price = "5012.25", int lots = 3,
                        OrderState::Type state = OrderState::Working)
    {
        return orders.addOrder(order(QString::fromLatin1(id), price, lots, state));
    }
};

// An order storage of a host that does not greet a new follower (the sample storages greet it
// with Reset): the model must read what it holds on its own.
class QuietOrders : public Sample::OrderStorage
{
    Q_OBJECT

private Q_SLOTS:
    void attached_storageChanged(const Link *) {}
};

// An order storage that runs host code when a follower leaves it.
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

// The (first, last) columns of each dataChanged, in order.
Runs runs(const QSignalSpy &spy)
{
    Runs result;
    for (const QList<QVariant> &arguments : spy)
        result << qMakePair(arguments.at(0).toModelIndex().column(), arguments.at(1).toModelIndex().column());
    return result;
}

QStringList texts(const char *list) // "A-1, A-2"
{
    return QString::fromLatin1(list).split(QLatin1String(", "), Qt::SkipEmptyParts);
}

// The ids the rows show, in the model's order.
QStringList ids(const QAbstractItemModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << model.index(row, 0).data().toString();
    return result;
}

// Empty when the model's rows are exactly the storage's records that pass its filter, each found
// again by its row, with the values the record holds now.
QString mismatch(const StorageTableModel &model, const Sample::Storage &storage)
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
        if (!held.contains(record))
            return QStringLiteral("row %1 shows a record the storage no longer has").arg(row);
        if (model.rowOf(record) != row)
            return QStringLiteral("row %1 is found at %2").arg(row).arg(model.rowOf(record));
        shown << record->key();
        for (int column = 0; column < model.columnCount(); ++column) {
            const Variant *value = record->variantRecord().stored(model.columns().at(column));
            if (!(Variant(model.index(row, column).data(StorageTableModel::ValueRole)) == (value ? *value : Variant())))
                return QStringLiteral("row %1 column %2 is stale").arg(row).arg(column);
        }
    }
    expected.sort();
    shown.sort();
    return shown == expected
               ? QString()
               : QStringLiteral("shows %1, the storage has %2").arg(shown.join(u','), expected.join(u','));
}

} // namespace

#define VERIFY_SHOWS(model, storage)                                                                                   \
    do {                                                                                                               \
        const QString why = mismatch(model, storage);                                                                  \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                                      \
    } while (false)

Q_DECLARE_METATYPE(Edit)

class tst_StorageTableModel : public QObject
{
    Q_OBJECT

    // The host's topics, symbols and formatter, and an order storage, new for each test.
    std::unique_ptr<World> market;

private Q_SLOTS:
    void initTestCase() { registerConverterType<UnshowableConverter>(); }
    void init() { market = std::make_unique<World>(); }
    void cleanup() { market.reset(); }

    // A value whose text reports (the state text here) shows what its converter gives, and its
    // tooltip carries the report, which reaches no service: repainting does not fill the host's log.
    void roles_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const char *field, int role, const QVariant &expected) {
            QTest::addRow("%s", name) << QString::fromLatin1(field) << role << expected;
        };
        row("display of a price", "Order.LimitPrice", Qt::DisplayRole, QStringLiteral("5012.25"));
        row("display of a quantity", "Order.Quantity", Qt::DisplayRole, QStringLiteral("3"));
        row("display of an enumeration", "Order.Action", Qt::DisplayRole, QStringLiteral("Buy"));
        row("field role by name", "Order.Quantity", StorageTableModel::FieldRole + 2, QStringLiteral("5012.25"));
        row("first field role", "Order.Action", StorageTableModel::FieldRole, QStringLiteral("A-1"));
        row("past the field roles", "Order.Action", StorageTableModel::FieldRole + 7, QVariant());
        row("no entry", "Order.StopPrice", Qt::DisplayRole, QVariant());
        row("no entry, value", "Order.StopPrice", StorageTableModel::ValueRole, QVariant());
        row("no tooltip", "Order.LimitPrice", Qt::ToolTipRole, QVariant());
        row("edit", "Order.Action", Qt::EditRole, QVariant(Variant::fromValue(OrderAction(OrderAction::Buy))));
        row("another role", "Order.Action", Qt::DecorationRole, QVariant());
        row("display that reports", "Order.StateText", Qt::DisplayRole, QString());
        row("tooltip of the report", "Order.StateText", Qt::ToolTipRole,
            QStringLiteral("Trade::StubConverterImpl::toString: !\"Not Implemented.\""));
    }

    void roles()
    {
        QFETCH(QString, field);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        World &m = *market;
        VariantRecord entries = m.order(QStringLiteral("A-1")).record();
        entries.setValue(m.topic.stateTextField(), Variant::fromValue(Unshowable()));
        m.orders.add(std::make_unique<Sample::Record>(QStringLiteral("A-1"), m.topic.fields(), entries));
        const FieldSet columns = m.columns() << m.topic.stopPriceField() << m.topic.stateTextField();
        StorageTableModel model(&m.orders, columns);
        const int column = int(columns.indexOf(columns.fieldById(field)));
        QVERIFY(column >= 0);
        ReportRecorder reports;
        const QVariant value = model.index(0, column).data(role);
        QCOMPARE(Variant(value) == Variant(expected) && value.isValid() == expected.isValid(), true);
        QCOMPARE(reports.count() + reports.logs().size(), 0);
    }

    void headersAndRoleNames()
    {
        World &m = *market;
        StorageTableModel empty(&m.orders);
        QSignalSpy insertedColumns(&empty, &QAbstractItemModel::columnsInserted);
        QCOMPARE(empty.columnCount(), 0); // no record yet, no topic to take the columns from
        m.add("A-1");
        QCOMPARE(insertedColumns.value(0).mid(1), QVariantList({0, empty.columnCount() - 1}));
        QCOMPARE(empty.columns(), m.orders.at(0)->topicFields());
        QCOMPARE(empty.rowCount(), 1);

        // Every character but letters, digits and the underscore becomes an underscore in a role name.
        Sample::Field odd(QStringLiteral("a/09:@AZ[`az{_"), QStringLiteral("Odd"), QMetaType::QString);
        StorageTableModel model(&m.orders, m.columns() << &odd);
        QStringList headers;
        for (int column = 0; column < model.columnCount(); ++column)
            headers << model.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, texts("Order Id, Action, Limit Price, Quantity, State, Odd"));
        QCOMPARE(model.headerData(6, Qt::Horizontal), QVariant(7)); // past the columns: Qt's numbering
        QCOMPARE(model.headerData(0, Qt::Vertical), QVariant(1));
        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(names.value(StorageTableModel::FieldRole), QByteArray("Order_Id"));
        QCOMPARE(names.value(StorageTableModel::FieldRole + 5), QByteArray("a_09__AZ__az__"));
        QCOMPARE(names.value(StorageTableModel::RecordRole), QByteArray("record"));
        QCOMPARE(names.value(StorageTableModel::ValueRole), QByteArray("value"));
        QCOMPARE(names.value(Qt::DisplayRole), QByteArray("display"));
        QCOMPARE(model.index(0, 0).data(StorageTableModel::RecordRole).value<IRecord *>(), m.orders.at(0));
        QCOMPARE(model.record(1), nullptr);
        QCOMPARE(model.record(-1), nullptr);
        QCOMPARE(model.rowOf(nullptr), -1);
    }

    // An update signals the runs of adjacent columns whose values changed, and nothing else.
    void updatedCells_data()
    {
        QTest::addColumn<Runs>("expected");
        QTest::addColumn<Edit>("edit");
        const auto lots = [](OrderRecord &o) { o.setQuantity(Quantity::fromLots(4, o.symbol())); };
        QTest::addRow("nothing") << Runs() << Edit([](OrderRecord &) {});
        QTest::addRow("first column") << Runs{{0, 0}} << Edit(lots);
        QTest::addRow("two adjacent") << Runs{{0, 1}} << Edit([=](OrderRecord &o) {
            lots(o);
            o.setLimitPrice(Price(QStringLiteral("5000"), o.symbol()));
        });
        QTest::addRow("a value where there was none")
            << Runs{{4, 4}} << Edit([](OrderRecord &o) { o.setStateText(QStringLiteral("x")); });
        QTest::addRow("apart, the last") << Runs{{2, 2}, {5, 5}} << Edit([](OrderRecord &o) {
            o.setAction(OrderAction::Sell);
            o.setState(OrderState(OrderState::Completed));
        });
        QTest::addRow("same value again")
            << Runs() << Edit([](OrderRecord &o) { o.setLimitPrice(Price(QStringLiteral("5012.25"), o.symbol())); });
        QTest::addRow("a field not shown")
            << Runs() << Edit([](OrderRecord &o) { o.setStopPrice(Price(QStringLiteral("4990"), o.symbol())); });
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
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        OrderRecord full = m.orders.order(QStringLiteral("A-1"));
        edit(full);
        m.orders.updateOrder(full);
        QCOMPARE(runs(changed), expected);
        for (const QList<QVariant> &arguments : changed)
            QCOMPARE(arguments.at(0).toModelIndex().row(), 1);
        VERIFY_SHOWS(model, m.orders);
    }

    // Records come and go; a clearing and a reset reset the model.
    void rowsFollowTheStorage()
    {
        World &m = *market;
        StorageTableModel model(&m.orders, m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        Sample::Record *first = m.add("A-1");
        for (const char *id : {"A-2", "A-3", "A-4"})
            m.add(id);
        QCOMPARE(ids(model), texts("A-1, A-2, A-3, A-4"));
        QCOMPARE(inserted.size(), 4);
        m.orders.remove(m.orders.find(QStringLiteral("A-2")));
        QCOMPARE(removed.last().at(1).toInt(), 1);
        VERIFY_SHOWS(model, m.orders);
        m.orders.remove(m.orders.find(QStringLiteral("A-4"))); // numbered rows stay; the rest are renumbered
        delete m.orders.take(first);
        QCOMPARE(ids(model), texts("A-3"));
        VERIFY_SHOWS(model, m.orders);
        m.orders.reset(Sample::records(std::make_unique<Sample::Record>(QStringLiteral("B-1"), m.topic.fields(),
                                                                        m.order(QStringLiteral("B-1")).record())));
        QCOMPARE(ids(model), texts("B-1"));
        QCOMPARE(reset.size(), 2); // AboutToClear, then Reset
        m.orders.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 5);
    }

    // Records move in and out as they pass the filter; a new filter resets the model.
    void filter()
    {
        World &m = *market;
        m.add("A-1");
        m.add("A-2", "5000", 1, OrderState::Completed);
        m.add("A-3");
        StorageTableModel model(&m.orders, m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setFilter(OrderStorageFilter().working(true));
        QCOMPARE(reset.size(), 1);
        QVERIFY(dynamic_cast<const OrderStorageFilter *>(model.filter()));
        QCOMPARE(ids(model), texts("A-1, A-3"));

        const auto setState = [&](const char *id, OrderState::Type state) {
            OrderRecord order = m.orders.order(QString::fromLatin1(id));
            order.setState(OrderState(state));
            m.orders.updateOrder(order);
            VERIFY_SHOWS(model, m.orders);
        };
        setState("A-1", OrderState::Completed);
        setState("A-2", OrderState::Working);
        QCOMPARE(ids(model), texts("A-3, A-2")); // back in, at the end
        m.add("A-4", "5000", 1, OrderState::Completed);
        m.add("A-5");
        m.orders.remove(m.orders.find(QStringLiteral("A-4"))); // turned away, then gone: nothing to do
        m.add("A-6", "5000", 1, OrderState::Completed);
        setState("A-6", OrderState::Working);
        QCOMPARE(ids(model), texts("A-3, A-2, A-5, A-6"));

        model.clearFilter();
        QCOMPARE(reset.size(), 2);
        QVERIFY(!model.hasFilter());
        QCOMPARE(ids(model), texts("A-1, A-2, A-3, A-5, A-6"));
    }

    // The sorting proxy orders the values as their converters do, empty cells first; Qt's own
    // orders them as texts.
    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::addRow("prices by ticks, a text first") << 2 << texts("A-4, A-3, A-1, A-2");
        QTest::addRow("quantities") << 3 << texts("A-2, A-3, A-1, A-4");
        QTest::addRow("enumerations by their order") << 1 << texts("A-2, A-4, A-1, A-3");
        QTest::addRow("texts") << 0 << texts("A-1, A-2, A-3, A-4");
        QTest::addRow("texts, none first") << 5 << texts("A-4, A-2, A-3, A-1");
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        World &m = *market;
        const auto add = [&](const char *id, const char *price, int lots, OrderAction::Type action, const char *text) {
            OrderRecord order = m.order(QString::fromLatin1(id), price, lots);
            order.setAction(action);
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
        QStringList expected = ascending;
        QCOMPARE(ids(sorted), expected);
        sorted.sort(column, Qt::DescendingOrder);
        std::reverse(expected.begin(), expected.end());
        if (column != 1) // equal actions keep their order in both directions
            QCOMPARE(ids(sorted), expected);
    }

    // Indexes that views keep after the model changed, and indexes of another model, read
    // nothing; announcements without a record, or naming another storage, change nothing.
    void staleIndexesAndEmptyAnnouncements()
    {
        World &m = *market;
        m.add("A-1");
        m.add("A-2");
        StorageTableModel model(&m.orders, m.columns());
        StorageTableModel other(&m.orders, m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex lastRow = model.index(1, 0);
        const QModelIndex lastColumn = model.index(0, 4);
        QVERIFY(lastRow.data().isValid() && lastColumn.data().isValid());
        QVERIFY(!model.data(other.index(0, 0)).isValid());

        m.orders.remove(m.orders.find(QStringLiteral("A-2")));
        QVERIFY(!model.data(lastRow, StorageTableModel::RecordRole).isValid());
        model.setColumns(
            FieldSet{m.topic.idField(), m.topic.actionField(), m.topic.limitPriceField(), m.topic.quantityField()});
        QVERIFY(!model.data(lastColumn, StorageTableModel::RecordRole).isValid());

        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (IStorage::ChangeEvent event : {IStorage::Added, IStorage::Updated, IStorage::Removed})
            Q_EMIT m.orders.storageChanged(event, nullptr, &m.orders);
        // News naming another storage (relayed from a part, say) is not this storage's.
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        Q_EMIT m.orders.storageChanged(IStorage::Removed, model.record(0), &m.positions);
        Q_EMIT m.orders.storageChanged(IStorage::Reset, nullptr, &m.positions);
        QCOMPARE(ids(model), texts("A-1"));
        QCOMPARE(changes.size() + inserted.size() + resets.size(), 0);
    }

    // The storage deleted in a signal of its model, after a change was asked of the model there:
    // the model makes the change, and shows what its storage (if any) holds.
    void storageGoneWhileBusy_data()
    {
        QTest::addColumn<bool>("toAnother");
        QTest::addRow("new columns") << false;
        QTest::addRow("another storage") << true;
    }
    void storageGoneWhileBusy()
    {
        QFETCH(bool, toAnother);
        World &m = *market;
        QuietOrders other;
        other.addOrder(m.order(QStringLiteral("B-1")));
        auto orders = std::make_unique<Sample::OrderStorage>();
        orders->addOrder(m.order(QStringLiteral("A-1")));
        StorageTableModel model(orders.get(), m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, [&] {
            if (toAnother)
                model.setStorage(&other);
            else
                model.setColumns(FieldSet{m.topic.idField()});
            orders.reset();
        });
        orders->addOrder(m.order(QStringLiteral("A-2")));
        QVERIFY(!orders);
        QCOMPARE(model.storage(), toAnother ? static_cast<IStorage *>(&other) : nullptr);
        QCOMPARE(ids(model), toAnother ? texts("B-1") : QStringList());
        QVERIFY(model.columns() == (toAnother ? m.columns() : FieldSet{m.topic.idField()}));
    }

    // What the host asks of a model while the model lets its storage go, in its destructor, is
    // not done: the model announces nothing more.
    void changedWhileItGoes()
    {
        World &m = *market;
        HookedOrders orders;
        orders.addOrder(m.order(QStringLiteral("A-1")));
        auto *model = new StorageTableModel(&orders, m.columns());
        QSignalSpy resets(model, &QAbstractItemModel::modelAboutToBeReset);
        orders.onLeft = [&] {
            model->setColumns(FieldSet{m.topic.idField()});
            model->setFilter(OrderStorageFilter().working(false));
            model->setStorage(&m.orders);
        };
        delete model;
        QVERIFY(!orders.onLeft); // it ran
        QCOMPARE(resets.size(), 0);
        QVERIFY(m.orders.links().isEmpty()); // nor follows another storage
    }

    // A change announced while the model's observers run waits its turn; when a clearing waits
    // behind it, the record it names is not read again (it may be gone by then).
    void changesBehindAClearing()
    {
        World &m = *market;
        m.add("A-1");
        StorageTableModel model(&m.orders, m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        bool once = true;
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, [&] {
            if (!std::exchange(once, false))
                return;
            m.orders.updateOrder(m.order(QStringLiteral("A-1"), "4000"));
            m.orders.clear();
        });
        m.add("A-2");
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(m.orders.count(), 0);
    }

    void storageDestroyedFirst()
    {
        World &m = *market;
        auto *orders = new Sample::OrderStorage;
        orders->addOrder(m.order(QStringLiteral("A-1")));
        StorageTableModel model(orders, m.columns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        delete orders;
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.storage(), nullptr);
        m.add("B-1");
        model.setStorage(&m.orders);
        QCOMPARE(model.storage(), &m.orders);
        QCOMPARE(ids(model), texts("B-1"));
        StorageTableModel late(nullptr, m.columns()); // made before its storage
        late.setStorage(&m.orders);
        QCOMPARE(ids(late), texts("B-1"));
    }

    // A seeded random churn under Qt's model tester (fatal mode), with a sorting proxy on top:
    // adds, updates, removals, clearings and resets, filter and column changes, a storage deleted
    // and replaced, and observers of the model that do any of these, or delete the model, inside
    // its signals. After each step
    // the model shows exactly the storage's records that pass the filter, with their values.
    // TYPEKIT_STRESS_SEED runs that seed alone (with TYPEKIT_STRESS_TRACE, step by step).
    void churn()
    {
        const int seconds = qEnvironmentVariableIntValue("TYPEKIT_STRESS_SECONDS");
        const QDeadlineTimer deadline(std::chrono::seconds(seconds > 0 ? seconds : 2));
        const quint32 only = quint32(qEnvironmentVariableIntValue("TYPEKIT_STRESS_SEED"));
        for (quint32 seed = only ? only : 1; seed < 6 || (!only && !deadline.hasExpired()); ++seed) {
            churnWith(seed);
            if (QTest::currentTestFailed() || only)
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
    const bool trace = qEnvironmentVariableIsSet("TYPEKIT_STRESS_TRACE");
    std::unique_ptr<Sample::OrderStorage> orders;
    QPointer<StorageTableModel> model;
    std::unique_ptr<StorageTableSortModel> sorted;
    std::unique_ptr<QAbstractItemModelTester> tester, sortedTester;
    int nextId = 0;
    int depth = 0;
    std::function<void(bool)> meddle;
    const auto bounded = [&](int n) { return int(random.bounded(n)); };

    const auto makeModel = [&] {
        tester.reset();
        sortedTester.reset();
        model = new StorageTableModel(orders.get(), bounded(3) ? m.columns() : FieldSet());
        tester =
            std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        sorted = std::make_unique<StorageTableSortModel>();
        sorted->setSourceModel(model);
        sorted->sort(bounded(5));
        sortedTester = std::make_unique<QAbstractItemModelTester>(
            sorted.get(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        // After the signals that end a change the model may go; not before.
        const auto after = [&] { meddle(true); };
        const auto aboutTo = [&] { meddle(false); };
        QObject::connect(model, &QAbstractItemModel::rowsInserted, model, after);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, model, after);
        QObject::connect(model, &QAbstractItemModel::dataChanged, model, after);
        QObject::connect(model, &QAbstractItemModel::modelReset, model, after);
        QObject::connect(model, &QAbstractItemModel::rowsAboutToBeInserted, model, aboutTo);
        QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, model, aboutTo);
        QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, model, aboutTo);
    };
    const auto makeStorage = [&] {
        orders = std::make_unique<Sample::OrderStorage>();
        if (trace) {
            QObject::connect(orders.get(), &Sample::Storage::storageChanged, orders.get(),
                             [&](IStorage::ChangeEvent event, IRecord *record) {
                                 qDebug("%*s  storage: %d %s", depth * 2, "", int(event),
                                        record && event != IStorage::Removed ? qPrintable(record->key()) : "");
                             });
        }
        if (model && bounded(2))
            model->setStorage(orders.get());
    };
    const auto price = [&] { return bounded(2) ? "5012.25" : "4999"; };
    const auto state = [&] { return bounded(3) ? OrderState::Working : OrderState::Completed; };

    // One random change of the storage or the model; `inside` when a signal of the model runs,
    // `mayDelete` when that signal ends a change.
    const auto step = [&](bool inside, bool mayDelete) {
        const int choice = bounded(inside ? 8 : 11);
        Sample::Record *record = orders->count() ? orders->at(bounded(orders->count())) : nullptr;
        if (trace)
            qDebug("%*sstep %d%s", depth * 2, "", choice, inside ? (mayDelete ? " (inside, after)" : " (inside)") : "");
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
        if (depth >= 2 || bounded(4))
            return;
        ++depth;
        step(true, mayDelete);
        --depth;
    };

    makeStorage();
    makeModel();
    for (int i = 0; i < 150; ++i) {
        step(false, false);
        // A model whose storage went shows nothing until it is given the next one; its observers
        // may replace that one, or delete the model, meanwhile.
        while (!model || model->storage() != orders.get()) {
            if (model)
                model->setStorage(orders.get());
            else
                makeModel();
        }
        const QString why = mismatch(*model, *orders);
        if (!why.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1 step %2: %3").arg(seed).arg(i).arg(why)));
    }
    tester.reset();
    sortedTester.reset();
    sorted.reset();
    delete model.data();
}

QTEST_GUILESS_MAIN(tst_StorageTableModel)
#include "tst_storagetablemodel.moc"
