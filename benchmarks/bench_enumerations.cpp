// Cached display texts and persistent-text lookups of the order enumerations, against copying a
// QString and a std::map<QString, int> over the same texts.
#include "ratios.h"

#include <typekit/order/orderexpiry.h>

#include <QtCore/QStringList>

#include <map>

namespace {

const QStringList &savedTexts()
{
    static const QStringList texts = [] {
        QStringList all;
        for (int value = 1; value <= 14; ++value)
            all << Trade::OrderExpiry(Trade::OrderExpiry::Type(value)).toSaveableString();
        return all;
    }();
    return texts;
}

void BM_CopyQString(benchmark::State &state)
{
    // A text on the heap, reference-counted like the cached display texts.
    const QString text = QString::fromLatin1("Immediate Or Cancel");
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        QString copy = text;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyQString);

void BM_OrderExpiryToString(benchmark::State &state)
{
    const Trade::OrderExpiry expiry(Trade::OrderExpiry::ImmediateOrCancel);
    (void)expiry.toString(); // the first use makes the text
    for (auto _ : state) {
        benchmark::DoNotOptimize(expiry);
        QString text = expiry.toString();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_OrderExpiryToString);

void BM_StdMapFind(benchmark::State &state)
{
    std::map<QString, int> map;
    for (int i = 0; i < savedTexts().size(); ++i)
        map.emplace(savedTexts().at(i), i + 1);
    int i = 0;
    for (auto _ : state) {
        const auto found = map.find(savedTexts().at(i));
        benchmark::DoNotOptimize(found == map.end() ? 0 : found->second);
        i = (i + 1) % 14;
    }
}
BENCHMARK(BM_StdMapFind);

void BM_FromSaveableString(benchmark::State &state)
{
    Trade::OrderExpiry expiry;
    int i = 0;
    for (auto _ : state) {
        expiry.fromSaveableString(savedTexts().at(i));
        benchmark::DoNotOptimize(expiry);
        i = (i + 1) % 14;
    }
}
BENCHMARK(BM_FromSaveableString);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(
        argc, argv,
        {{"BM_OrderExpiryToString", "BM_CopyQString", 1.5}, {"BM_FromSaveableString", "BM_StdMapFind", 1.5}});
}
