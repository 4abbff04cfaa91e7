// The live table over a storage against a hand-written minimal table model that does the same
// work on a vector (its rows' values, an index from record to row, a dataChanged per update for
// the whole row): building over N records, 10,000 random updates of one or two fields, and 1,000
// inserts and removals, at N = 10,000 and 100,000. Per update, the model's cost should grow with
// N no more than the minimal model's, whose work per update does not depend on N.
#include "ratios.h"
#include "samplefixture.h"

#include <samplehost/orderstorage.h>
#include <typekit/storage/storagetablemodel.h>

#include <QtCore/QAbstractTableModel>
#include <QtCore/QHash>
#include <QtCore/QRandomGenerator>

#include <map>
#include <memory>
#include <vector>

namespace {

// What a plug-in author writes by hand: rows on a vector, an index of rows by record, the whole
// row announced on each update.
class MinimalTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    MinimalTableModel(Trade::IStorage *storage, const Trade::FieldSet &columns) : m_columns(columns)
    {
        const Trade::Enumerable<Trade::IRecord *> &records = storage->records();
        m_rows.reserve(size_t(records.size()));
        m_index.reserve(records.size());
        for (Trade::IRecord *record : records) {
            m_index.insert(record, int(m_rows.size()));
            m_rows.push_back({record, record->variantRecord()});
        }
        QObject::connect(dynamic_cast<QObject *>(storage),
                         SIGNAL(storageChanged(Trade::IStorage::ChangeEvent, Trade::IRecord *, Trade::IStorage *)),
                         this, SLOT(changed(Trade::IStorage::ChangeEvent, Trade::IRecord *)));
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const Trade::Variant *value = m_rows[size_t(index.row())].values.stored(m_columns.at(index.column()));
        return value ? QVariant(value->toString()) : QVariant();
    }

private Q_SLOTS:
    void changed(Trade::IStorage::ChangeEvent event, Trade::IRecord *record)
    {
        switch (event) {
        case Trade::IStorage::Added: {
            const int row = int(m_rows.size());
            beginInsertRows(QModelIndex(), row, row);
            m_index.insert(record, row);
            m_rows.push_back({record, record->variantRecord()});
            endInsertRows();
            break;
        }
        case Trade::IStorage::Removed: {
            const int row = m_index.value(record, -1);
            if (row < 0)
                break;
            beginRemoveRows(QModelIndex(), row, row);
            m_rows.erase(m_rows.begin() + row);
            m_index.remove(record);
            for (size_t i = size_t(row); i < m_rows.size(); ++i)
                m_index[m_rows[i].record] = int(i);
            endRemoveRows();
            break;
        }
        case Trade::IStorage::Updated: {
            const int row = m_index.value(record, -1);
            if (row < 0)
                break;
            m_rows[size_t(row)].values = record->variantRecord();
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
            break;
        }
        default:
            beginResetModel();
            endResetModel();
            break;
        }
    }

private:
    struct Row
    {
        Trade::IRecord *record;
        Trade::VariantRecord values;
    };
    Trade::FieldSet m_columns;
    std::vector<Row> m_rows;
    QHash<Trade::IRecord *, int> m_index;
};

// Storages of N orders, made once each.
Sample::OrderStorage &storageOf(int count)
{
    bench::fixture(); // made first, so that its topics outlive the storages at exit
    static std::map<int, std::unique_ptr<Sample::OrderStorage>> storages;
    std::unique_ptr<Sample::OrderStorage> &storage = storages[count];
    if (!storage) {
        storage = std::make_unique<Sample::OrderStorage>();
        bench::SampleFixture &f = bench::fixture();
        const Sample::OrderTopic &topic = f.topics.order();
        for (int i = 0; i < count; ++i) {
            Trade::VariantRecord entries;
            entries.setValue(topic.idField(), QStringLiteral("O-%1").arg(i));
            entries.setValue(topic.limitPriceField(),
                             Trade::Variant::fromValue(Trade::Price(qint64(20000 + i % 400), &f.symbol)));
            entries.setValue(topic.quantityField(),
                             Trade::Variant::fromValue(Trade::Quantity::fromLots(1 + i % 9, &f.symbol)));
            entries.setValue(topic.stateField(),
                             Trade::Variant::fromValue(Trade::OrderState(Trade::OrderState::Working)));
            storage->add(std::make_unique<Sample::Record>(QStringLiteral("O-%1").arg(i), topic.fields(), entries));
        }
    }
    return *storage;
}

Trade::FieldSet columns()
{
    const Sample::OrderTopic &topic = bench::fixture().topics.order();
    return {topic.idField(), topic.limitPriceField(), topic.quantityField(), topic.stateField()};
}

template <typename Model>
void build(benchmark::State &state)
{
    Sample::OrderStorage &storage = storageOf(int(state.range(0)));
    const Trade::FieldSet fields = columns();
    for (auto _ : state) {
        Model model(&storage, fields);
        benchmark::DoNotOptimize(model.rowCount());
    }
}

void BM_BuildModel(benchmark::State &state)
{
    build<Trade::StorageTableModel>(state);
}
void BM_BuildMinimal(benchmark::State &state)
{
    build<MinimalTableModel>(state);
}
BENCHMARK(BM_BuildModel)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMinimal)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10,000 updates of random records, each changing one or two fields (the quantity, and every
// other time the price): the storage's merge and announcement, and the model's work.
template <typename Model>
void update(benchmark::State &state)
{
    Sample::OrderStorage &storage = storageOf(int(state.range(0)));
    bench::SampleFixture &f = bench::fixture();
    const Sample::OrderTopic &topic = f.topics.order();
    Model model(&storage, columns());
    QRandomGenerator random(7);
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (int i = 0; i < 10000; ++i) {
            Trade::VariantRecord changes;
            changes.setValue(topic.quantityField(),
                             Trade::Variant::fromValue(Trade::Quantity::fromLots(1 + (i + round) % 7, &f.symbol)));
            if (i % 2)
                changes.setValue(topic.limitPriceField(),
                                 Trade::Variant::fromValue(Trade::Price(qint64(19000 + (i + round) % 300), &f.symbol)));
            storage.update(storage.at(int(random.bounded(storage.count()))), changes);
        }
    }
}

void BM_UpdateModel(benchmark::State &state)
{
    update<Trade::StorageTableModel>(state);
}
void BM_UpdateMinimal(benchmark::State &state)
{
    update<MinimalTableModel>(state);
}
BENCHMARK(BM_UpdateModel)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateMinimal)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 1,000 new orders, then 1,000 random orders removed (the storage keeps its size).
template <typename Model>
void insertRemove(benchmark::State &state)
{
    Sample::OrderStorage &storage = storageOf(int(state.range(0)));
    bench::SampleFixture &f = bench::fixture();
    const Sample::OrderTopic &topic = f.topics.order();
    Model model(&storage, columns());
    QRandomGenerator random(11);
    int next = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            Trade::VariantRecord entries;
            entries.setValue(topic.idField(), QStringLiteral("N-%1").arg(next));
            storage.add(std::make_unique<Sample::Record>(QStringLiteral("N-%1").arg(next++), topic.fields(), entries));
        }
        for (int i = 0; i < 1000; ++i)
            storage.remove(storage.at(int(random.bounded(storage.count()))));
    }
}

void BM_InsertRemoveModel(benchmark::State &state)
{
    insertRemove<Trade::StorageTableModel>(state);
}
void BM_InsertRemoveMinimal(benchmark::State &state)
{
    insertRemove<MinimalTableModel>(state);
}
BENCHMARK(BM_InsertRemoveModel)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveMinimal)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_BuildModel/10000", "BM_BuildMinimal/10000", 1.3},
                                 {"BM_BuildModel/100000", "BM_BuildMinimal/100000", 1.3},
                                 {"BM_UpdateModel/10000", "BM_UpdateMinimal/10000", 0},
                                 {"BM_UpdateModel/100000", "BM_UpdateMinimal/100000", 0},
                                 // Growth from 10,000 to 100,000 records, beside the minimal
                                 // model's (O(1) per update: what grows is the cache misses).
                                 {"BM_UpdateModel/100000", "BM_UpdateModel/10000", 0},
                                 {"BM_UpdateMinimal/100000", "BM_UpdateMinimal/10000", 0},
                                 {"BM_InsertRemoveModel/10000", "BM_InsertRemoveMinimal/10000", 0},
                                 {"BM_InsertRemoveModel/100000", "BM_InsertRemoveMinimal/100000", 0}});
}

#include "bench_models.moc"
