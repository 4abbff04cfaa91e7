// Storages against the same work written by hand, in one run:
// - a holder taking in a reset storage of 100,000 records against subscribing the observer to
//   each record by hand; add/remove churn of 10,000 records followed by a holder against the same
//   churn with the subscriptions made by hand; the holder's destruction at 10,000 and 100,000
//   records (expected O(N)) against unsubscribing by hand;
// - VariantRecordList(storage) of 100,000 records against copying the entries into a QVector;
// - percentOfReturnTotal over 100,000 positions against the same walk written out here.
#include "ratios.h"
#include "samplefixture.h"

#include <samplehost/positionstorage.h>
#include <samplehost/storage.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>
#include <typekit/variantrecordlist.h>
#include <typekit/rational.h>

#include <QtCore/QObject>

#include <memory>
#include <vector>

class Follower : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void slot_recordChanged(Trade::IRecord *) {}
};

namespace {

constexpr int manyRecords = 100000;
constexpr int churnRecords = 10000;

QVector<Sample::Record *> makeRecords(int count)
{
    Sample::OrderTopic &order = bench::fixture().topics.order();
    QVector<Sample::Record *> made;
    made.reserve(count);
    for (int i = 0; i < count; ++i) {
        Trade::VariantRecord entries;
        entries.setValue(order.idField(), Trade::Variant(QString::number(i)));
        entries.setValue(order.stopLimitPlusField(), Trade::Variant(i));
        made << new Sample::Record(QString::number(i), Trade::FieldSet(), entries);
    }
    // Each record's notifier reads its meta-object on its first subscription: done here, so that
    // no benchmark pays it for the others.
    Follower follower;
    for (Sample::Record *record : made) {
        record->subscribe(&follower);
        record->unsubscribe(&follower);
    }
    return made;
}

void subscribeByHand(const Sample::Storage &storage, QObject *observer)
{
    for (int i = 0; i < storage.count(); ++i)
        storage.at(i)->subscribe(observer);
}

void unsubscribeByHand(const Sample::Storage &storage, QObject *observer)
{
    for (int i = 0; i < storage.count(); ++i)
        storage.at(i)->unsubscribe(observer);
}

// A storage of `count` records, made once per size for the whole program.
Sample::Storage &storageOf(int count)
{
    static std::map<int, std::unique_ptr<Sample::Storage>> storages;
    std::unique_ptr<Sample::Storage> &storage = storages[count];
    if (!storage) {
        storage = std::make_unique<Sample::Storage>();
        std::vector<std::unique_ptr<Sample::Record>> owned;
        for (Sample::Record *record : makeRecords(count))
            owned.emplace_back(record);
        storage->reset(std::move(owned));
        // The first time that many subscriptions live at once the heap grows; not in a benchmark.
        Follower follower;
        subscribeByHand(*storage, &follower);
        unsubscribeByHand(*storage, &follower);
    }
    return *storage;
}

void tell(Trade::StorageRecordsSubscriptionHolder &holder, Trade::IStorage::ChangeEvent event, Trade::IStorage *storage)
{
    QMetaObject::invokeMethod(&holder, "slot_storageChanged", Q_ARG(Trade::IStorage::ChangeEvent, event),
                              Q_ARG(Trade::IRecord *, nullptr), Q_ARG(Trade::IStorage *, storage));
}

void BM_SubscribeEachByHand(benchmark::State &state)
{
    Sample::Storage &storage = storageOf(manyRecords);
    Follower follower;
    for (auto _ : state) {
        subscribeByHand(storage, &follower);
        state.PauseTiming();
        unsubscribeByHand(storage, &follower);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SubscribeEachByHand)->Unit(benchmark::kMillisecond);

void BM_HolderReset(benchmark::State &state)
{
    Sample::Storage &storage = storageOf(manyRecords);
    Follower follower;
    Trade::StorageRecordsSubscriptionHolder holder(&storage, &follower); // greeted with a reset
    tell(holder, Trade::IStorage::AboutToClear, &storage);
    for (auto _ : state) {
        tell(holder, Trade::IStorage::Reset, &storage);
        state.PauseTiming();
        tell(holder, Trade::IStorage::AboutToClear, &storage);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HolderReset)->Unit(benchmark::kMillisecond);

// Adds the records one by one, then takes them out again, newest first.
template <typename Added, typename Leaving>
void churn(Sample::Storage &storage, const QVector<Sample::Record *> &records, Added added, Leaving leaving)
{
    for (Sample::Record *record : records) {
        storage.add(std::unique_ptr<Sample::Record>(record)); // taken back below
        added(record);
    }
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        leaving(*it);
        storage.take(*it);
    }
}

void BM_ChurnByHand(benchmark::State &state)
{
    const QVector<Sample::Record *> records = makeRecords(churnRecords);
    Sample::Storage storage;
    Follower follower;
    for (auto _ : state) {
        churn(
            storage, records, [&](Sample::Record *record) { record->subscribe(&follower); },
            [&](Sample::Record *record) { record->unsubscribe(&follower); });
    }
    qDeleteAll(records);
}
BENCHMARK(BM_ChurnByHand)->Unit(benchmark::kMillisecond);

void BM_ChurnFollowed(benchmark::State &state)
{
    const QVector<Sample::Record *> records = makeRecords(churnRecords);
    Sample::Storage storage;
    Follower follower;
    Trade::StorageRecordsSubscriptionHolder holder(&storage, &follower);
    for (auto _ : state)
        churn(
            storage, records, [](Sample::Record *) {}, [](Sample::Record *) {});
    qDeleteAll(records);
}
BENCHMARK(BM_ChurnFollowed)->Unit(benchmark::kMillisecond);

void BM_UnsubscribeEachByHand(benchmark::State &state)
{
    Sample::Storage &storage = storageOf(int(state.range(0)));
    Follower follower;
    for (auto _ : state) {
        state.PauseTiming();
        subscribeByHand(storage, &follower);
        state.ResumeTiming();
        unsubscribeByHand(storage, &follower);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UnsubscribeEachByHand)
    ->Arg(churnRecords)
    ->Arg(manyRecords)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_HolderDestruction(benchmark::State &state)
{
    Sample::Storage &storage = storageOf(int(state.range(0)));
    Follower follower;
    for (auto _ : state) {
        state.PauseTiming();
        auto *holder = new Trade::StorageRecordsSubscriptionHolder(&storage, &follower);
        state.ResumeTiming();
        delete holder;
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_HolderDestruction)
    ->Arg(churnRecords)
    ->Arg(manyRecords)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_CopyEntriesByHand(benchmark::State &state)
{
    const Sample::Storage &storage = storageOf(manyRecords);
    for (auto _ : state) {
        const Trade::Enumerable<Trade::IRecord *> &records = storage.records();
        QVector<Trade::VariantRecord> copied;
        copied.reserve(records.size());
        for (int i = 0; i < records.size(); ++i)
            copied.append(records.value(i)->variantRecord());
        benchmark::DoNotOptimize(copied.data());
    }
}
BENCHMARK(BM_CopyEntriesByHand)->Unit(benchmark::kMicrosecond);

void BM_RecordListOfStorage(benchmark::State &state)
{
    const Sample::Storage &storage = storageOf(manyRecords);
    for (auto _ : state) {
        const Trade::VariantRecordList list(&storage);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_RecordListOfStorage)->Unit(benchmark::kMicrosecond);

// 100,000 positions on the fixture's future: every tenth flat, every seventh without a return.
const Trade::Container<Trade::IPosition *> &manyPositions()
{
    static Sample::PositionStorage storage;
    static const Trade::Container<Trade::IPosition *> positions = [] {
        Sample::Symbol *symbol = &bench::fixture().symbol;
        std::vector<std::unique_ptr<Sample::Record>> made;
        for (int i = 0; i < manyRecords; ++i) {
            auto position = std::make_unique<Sample::Position>(symbol, nullptr);
            position->setQuantity(Trade::Quantity::fromLots(i % 10 == 0 ? 0 : 1 + i % 3, symbol));
            if (i % 7 != 0)
                position->setReturn(Trade::Profit::fromMoney(i % 50 - 10, symbol),
                                    Trade::Profit::fromMoney(1000, symbol));
            made.push_back(std::move(position));
        }
        storage.reset(std::move(made));
        return storage.positions();
    }();
    return positions;
}

void BM_ReturnTotalByHand(benchmark::State &state)
{
    const Trade::Container<Trade::IPosition *> &positions = manyPositions();
    for (auto _ : state) {
        Trade::Rational total;
        for (int i = 0; i < positions.size(); ++i) {
            const Trade::IPosition *position = positions.value(i);
            const Trade::IPositionTopic *topic = position->topic();
            const Trade::VariantRecord &entries = position->record()->variantRecord();
            const Trade::Quantity quantity = entries.heldOr(topic->quantityField(), Trade::Quantity());
            if (!quantity.hasValue() || !quantity.isNonZero())
                continue;
            const Trade::Profit gained = entries.heldOr(topic->returnField(), Trade::Profit());
            if (!gained.isValid())
                continue;
            total.addNumerator(gained.money());
            total.addDenominator(entries.heldOr(topic->returnBaseField(), Trade::Profit()).money());
        }
        benchmark::DoNotOptimize(total.valueAsPercentage());
    }
}
BENCHMARK(BM_ReturnTotalByHand)->Unit(benchmark::kMillisecond);

void BM_PercentOfReturnTotal(benchmark::State &state)
{
    const Trade::Container<Trade::IPosition *> &positions = manyPositions();
    for (auto _ : state)
        benchmark::DoNotOptimize(Trade::IPositionStorage::percentOfReturnTotal(positions));
}
BENCHMARK(BM_PercentOfReturnTotal)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_HolderReset", "BM_SubscribeEachByHand", 1.5},
                                 {"BM_ChurnFollowed", "BM_ChurnByHand", 1.5},
                                 {"BM_HolderDestruction/100000", "BM_UnsubscribeEachByHand/100000", 0},
                                 {"BM_HolderDestruction/100000", "BM_HolderDestruction/10000", 0},
                                 {"BM_RecordListOfStorage", "BM_CopyEntriesByHand", 1.3},
                                 {"BM_PercentOfReturnTotal", "BM_ReturnTotalByHand", 1.3}});
}

#include "bench_storage.moc"
