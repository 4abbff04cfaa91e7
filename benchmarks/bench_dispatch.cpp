// Converter dispatch and typed reads against their floors: calling the converter directly, and
// QVariant::value<T>().
#include "ratios.h"

#include <typekit/position/tradeside.h>

#include <basekit/dump.h>

namespace {

const Trade::Variant longSide = Trade::Variant::fromValue(Trade::TradeSide(Trade::TradeSide::Long));
const Trade::Variant otherLongSide = Trade::Variant::fromValue(Trade::TradeSide(Trade::TradeSide::Long));
const Trade::Variant price = Trade::Variant(101.25);

void BM_SaveDirect(benchmark::State &state)
{
    Trade::TradeSideConverter converter;
    for (auto _ : state)
        benchmark::DoNotOptimize(converter.save(longSide));
}
BENCHMARK(BM_SaveDirect);

void BM_SaveDispatched(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(longSide.save());
}
BENCHMARK(BM_SaveDispatched);

void BM_CompareDirect(benchmark::State &state)
{
    Trade::TradeSideConverter converter;
    for (auto _ : state)
        benchmark::DoNotOptimize(converter.compare(longSide, otherLongSide) == 0);
}
BENCHMARK(BM_CompareDirect);

void BM_EqualDispatched(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(longSide == otherLongSide);
}
BENCHMARK(BM_EqualDispatched);

void BM_QVariantValueSide(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(longSide); // read the variant anew each time
        Trade::TradeSide value = longSide.value<Trade::TradeSide>();
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_QVariantValueSide);

void BM_StrongValueSide(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(longSide);
        Trade::TradeSide value = longSide.strongValue<Trade::TradeSide>();
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_StrongValueSide);

void BM_QVariantValueDouble(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(price);
        double value = price.value<double>();
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_QVariantValueDouble);

void BM_StrongValueDouble(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(price);
        double value = price.strongValue<double>();
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_StrongValueDouble);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_SaveDispatched", "BM_SaveDirect", 1.5},
                                 {"BM_EqualDispatched", "BM_CompareDirect", 1.5},
                                 {"BM_StrongValueSide", "BM_QVariantValueSide", 1.5},
                                 {"BM_StrongValueDouble", "BM_QVariantValueDouble", 1.5}});
}
