// Variant records against their floors: a sorted std::vector of (field, QVariant) pairs searched
// with std::lower_bound, a QMap, a QVector copy and a hand-written merge of two sorted vectors.
#include "ratios.h"

#include <samplehost/topics.h>
#include <typekit/variant/variantrecord.h>

#include <QtCore/QMap>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using Pair = std::pair<Trade::IField *, QVariant>;
using Floor = std::vector<Pair>;

const std::vector<std::unique_ptr<Sample::Field>> &allFields()
{
    static const auto fields = [] {
        std::vector<std::unique_ptr<Sample::Field>> made;
        for (int i = 0; i < 128; ++i)
            made.push_back(
                std::make_unique<Sample::Field>(QString::number(i), QString::number(i), int(QMetaType::Int)));
        return made;
    }();
    return fields;
}

// `count` fields, every other one of the pool, so that merges interleave.
std::vector<Trade::IField *> fields(int count, int offset = 0)
{
    std::vector<Trade::IField *> result;
    for (int i = 0; i < count; ++i)
        result.push_back(allFields().at(std::size_t(2 * i + offset)).get());
    return result;
}

Trade::VariantRecord record(const std::vector<Trade::IField *> &keys)
{
    Trade::VariantRecord made;
    for (std::size_t i = 0; i < keys.size(); ++i)
        made.setValue(keys[i], Trade::Variant(int(i)));
    return made;
}

Floor floor(const std::vector<Trade::IField *> &keys)
{
    Floor made;
    for (std::size_t i = 0; i < keys.size(); ++i)
        made.emplace_back(keys[i], QVariant(int(i)));
    std::sort(made.begin(), made.end(),
              [](const Pair &l, const Pair &r) { return quintptr(l.first) < quintptr(r.first); });
    return made;
}

Floor::const_iterator lowerBound(const Floor &entries, Trade::IField *field)
{
    return std::lower_bound(entries.begin(), entries.end(), field, [](const Pair &entry, Trade::IField *key) {
        return quintptr(entry.first) < quintptr(key);
    });
}

// Each lookup walks the record's fields in turn.
void BM_FloorValue(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    const Floor entries = floor(keys);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto found = lowerBound(entries, keys[i]);
        QVariant value = found != entries.end() && found->first == keys[i] ? found->second : QVariant();
        benchmark::DoNotOptimize(value);
        i = (i + 1) % keys.size();
    }
}

void BM_RecordValue(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    const Trade::VariantRecord entries = record(keys);
    const Trade::Variant none;
    std::size_t i = 0;
    for (auto _ : state) {
        Trade::Variant value = entries.value(keys[i], none);
        benchmark::DoNotOptimize(value);
        i = (i + 1) % keys.size();
    }
}

void BM_QMapValue(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    QMap<Trade::IField *, QVariant> entries;
    for (std::size_t i = 0; i < keys.size(); ++i)
        entries.insert(keys[i], QVariant(int(i)));
    std::size_t i = 0;
    for (auto _ : state) {
        QVariant value = entries.value(keys[i]);
        benchmark::DoNotOptimize(value);
        i = (i + 1) % keys.size();
    }
}

void BM_FloorContains(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    const Floor entries = floor(keys);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto found = lowerBound(entries, keys[i]);
        benchmark::DoNotOptimize(found != entries.end() && found->first == keys[i]);
        i = (i + 1) % keys.size();
    }
}

void BM_RecordContains(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    const Trade::VariantRecord entries = record(keys);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(entries.contains(keys[i]));
        i = (i + 1) % keys.size();
    }
}

void BM_FloorSetExisting(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    Floor entries = floor(keys);
    const QVariant value(7);
    std::size_t i = 0;
    for (auto _ : state) {
        auto found =
            std::lower_bound(entries.begin(), entries.end(), keys[i], [](const Pair &entry, Trade::IField *key) {
                return quintptr(entry.first) < quintptr(key);
            });
        if (found != entries.end() && found->first == keys[i])
            found->second = value;
        benchmark::ClobberMemory();
        i = (i + 1) % keys.size();
    }
}

void BM_RecordSetExisting(benchmark::State &state)
{
    const auto keys = fields(int(state.range(0)));
    Trade::VariantRecord entries = record(keys);
    const Trade::Variant value(7);
    std::size_t i = 0;
    for (auto _ : state) {
        entries.setValue(keys[i], value);
        benchmark::ClobberMemory();
        i = (i + 1) % keys.size();
    }
}

void BM_QVectorCopy(benchmark::State &state)
{
    const QVector<Pair> entries = QVector<Pair>(qsizetype(state.range(0)));
    for (auto _ : state) {
        QVector<Pair> copy = entries;
        benchmark::DoNotOptimize(copy);
    }
}

void BM_RecordCopy(benchmark::State &state)
{
    const Trade::VariantRecord entries = record(fields(int(state.range(0))));
    for (auto _ : state) {
        Trade::VariantRecord copy = entries;
        benchmark::DoNotOptimize(copy);
    }
}

void BM_FloorMerge(benchmark::State &state)
{
    const Floor left = floor(fields(24));
    const Floor right = floor(fields(24, 1));
    const auto before = [](const Pair &l, const Pair &r) { return quintptr(l.first) < quintptr(r.first); };
    for (auto _ : state) {
        Floor merged;
        merged.reserve(left.size() + right.size());
        auto l = left.begin();
        auto r = right.begin();
        while (l != left.end() || r != right.end()) {
            if (r == right.end() || (l != left.end() && before(*l, *r))) {
                merged.push_back(*l++);
            } else {
                if (l != left.end() && l->first == r->first)
                    ++l;
                merged.push_back(*r++);
            }
        }
        benchmark::DoNotOptimize(merged);
    }
}

void BM_RecordMerge(benchmark::State &state)
{
    const Trade::VariantRecord left = record(fields(24));
    const Trade::VariantRecord right = record(fields(24, 1));
    for (auto _ : state) {
        Trade::VariantRecord merged = left.merge(right);
        benchmark::DoNotOptimize(merged);
    }
}

BENCHMARK(BM_FloorValue)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_RecordValue)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_QMapValue)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_FloorContains)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_RecordContains)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_FloorSetExisting)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_RecordSetExisting)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_QVectorCopy)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_RecordCopy)->Arg(8)->Arg(24)->Arg(64);
BENCHMARK(BM_FloorMerge);
BENCHMARK(BM_RecordMerge);

} // namespace

int main(int argc, char **argv)
{
    std::vector<bench::Ratio> ratios;
    for (const char *size : {"8", "24", "64"}) {
        const std::string n = size;
        ratios.push_back({"BM_RecordValue/" + n, "BM_FloorValue/" + n, 1.5});
        ratios.push_back({"BM_RecordValue/" + n, "BM_QMapValue/" + n, 1.0});
        ratios.push_back({"BM_RecordContains/" + n, "BM_FloorContains/" + n, 1.5});
        ratios.push_back({"BM_RecordSetExisting/" + n, "BM_FloorSetExisting/" + n, 1.5});
        ratios.push_back({"BM_RecordCopy/" + n, "BM_QVectorCopy/" + n, 1.5});
    }
    ratios.push_back({"BM_RecordMerge", "BM_FloorMerge", 2.0});
    return bench::runWithRatios(argc, argv, ratios);
}
