// Prices and quantities against the work they must do: each baseline makes the same calls on the
// symbol and the same arithmetic by hand. A comparison of two plain doubles shows what being
// symbol-aware costs at all.
#include "ratios.h"
#include "samplefixture.h"

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/price.h>
#include <typekit/quantity.h>

#include <cmath>

namespace {

using bench::fixture;

// Times `operation` on two operands that are read anew on every iteration.
template <typename T, typename Operation>
void measure(benchmark::State &state, T left, T right, Operation operation)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
        benchmark::DoNotOptimize(operation(left, right));
    }
}

qint64 roundAway(double x)
{
    const double shifted = x >= 0.0 ? x + 0.5 : x - 0.5;
    return std::isnan(shifted) ? 0 : qint64(shifted);
}

bool validByHand(const Trade::ISymbol *symbol)
{
    const Trade::ISymbolTopic *topic = symbol->symbolTopic();
    return topic && symbol->hasValue(topic->userDefinedMinMovementField())
           && symbol->hasValue(topic->userDefinedPriceScaleField());
}

double tickByHand(const Trade::ISymbol *symbol)
{
    return double(symbol->minMovement()) / double(symbol->priceScale());
}

double valueByHand(const Trade::ISymbol *symbol, double raw)
{
    if (!validByHand(symbol))
        return raw;
    const double tick = tickByHand(symbol);
    return tick * double(roundAway(raw * symbol->priceMultiplier() / tick));
}

void BM_SetValueByHand(benchmark::State &state)
{
    Trade::ISymbol *symbol = &fixture().symbol;
    double stored = 0.0;
    double input = 5012.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        validByHand(symbol);
        const double tick = tickByHand(symbol);
        stored = tick * double(roundAway(input / tick)) / symbol->priceMultiplier();
        benchmark::DoNotOptimize(stored);
    }
}
BENCHMARK(BM_SetValueByHand);

void BM_PriceSetValue(benchmark::State &state)
{
    Trade::Price price(&fixture().symbol);
    double input = 5012.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        price.setValue(input);
        benchmark::DoNotOptimize(price);
    }
}
BENCHMARK(BM_PriceSetValue);

// Equality: both values read (aligned), both epsilons (validity, tick), counts compared.
bool equalByHand(const Trade::ISymbol *symbol, double left, double right)
{
    const double a = valueByHand(symbol, left);
    const double b = valueByHand(symbol, right);
    const double ea = validByHand(symbol) ? tickByHand(symbol) : 1e-10;
    const double eb = validByHand(symbol) ? tickByHand(symbol) : 1e-10;
    const double epsilon = eb <= ea ? eb : ea;
    return roundAway(a / epsilon) == roundAway(b / epsilon);
}

void BM_EqualByHand(benchmark::State &state)
{
    Trade::ISymbol *symbol = &fixture().symbol;
    measure(state, 5012.25, 5012.5, [symbol](double l, double r) { return equalByHand(symbol, l, r); });
}
BENCHMARK(BM_EqualByHand);

void BM_PriceEqual(benchmark::State &state)
{
    measure(state, Trade::Price(5012.25, &fixture().symbol), Trade::Price(5012.5, &fixture().symbol),
            [](const Trade::Price &l, const Trade::Price &r) { return l == r; });
}
BENCHMARK(BM_PriceEqual);

void BM_LessByHand(benchmark::State &state)
{
    Trade::ISymbol *symbol = &fixture().symbol;
    double left = 5012.25;
    double right = 5012.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
        const double ea = validByHand(symbol) ? tickByHand(symbol) : 1e-10;
        const double eb = validByHand(symbol) ? tickByHand(symbol) : 1e-10;
        const double epsilon = eb <= ea ? eb : ea;
        const double a = valueByHand(symbol, left);
        const double b = valueByHand(symbol, right);
        benchmark::DoNotOptimize(roundAway(a / epsilon) != roundAway(b / epsilon) && a < b);
    }
}
BENCHMARK(BM_LessByHand);

void BM_PriceLess(benchmark::State &state)
{
    measure(state, Trade::Price(5012.25, &fixture().symbol), Trade::Price(5012.5, &fixture().symbol),
            [](const Trade::Price &l, const Trade::Price &r) { return l < r; });
}
BENCHMARK(BM_PriceLess);

void BM_QuantityEqualByHand(benchmark::State &state)
{
    bool leftHas = true;
    bool rightHas = true;
    double left = 300.0;
    double right = 300.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
        benchmark::DoNotOptimize(leftHas == rightHas && (!leftHas || std::fabs(left - right) <= 2.220446049250313e-16));
    }
}
BENCHMARK(BM_QuantityEqualByHand);

void BM_QuantityEqual(benchmark::State &state)
{
    measure(state, Trade::Quantity(300.0, &fixture().symbol), Trade::Quantity(300.0, &fixture().symbol),
            [](const Trade::Quantity &l, const Trade::Quantity &r) { return l == r; });
}
BENCHMARK(BM_QuantityEqual);

void BM_DoubleEqual(benchmark::State &state)
{
    measure(state, 5012.25, 5012.5, [](double l, double r) { return l == r; });
}
BENCHMARK(BM_DoubleEqual);

// The exact decimal readings against the described text readings they stand beside.
void BM_PriceFromText(benchmark::State &state)
{
    const QString text = QStringLiteral("5012.375");
    for (auto _ : state)
        benchmark::DoNotOptimize(Trade::Price(text, &fixture().symbol));
}
BENCHMARK(BM_PriceFromText);

void BM_PriceFromDecimalText(benchmark::State &state)
{
    const QString text = QStringLiteral("5012.375");
    for (auto _ : state)
        benchmark::DoNotOptimize(Trade::Price::fromDecimalText(text, &fixture().symbol));
}
BENCHMARK(BM_PriceFromDecimalText);

void BM_QuantityFromText(benchmark::State &state)
{
    const QString text = QStringLiteral("0.29");
    for (auto _ : state)
        benchmark::DoNotOptimize(Trade::Quantity(text, &fixture().symbol));
}
BENCHMARK(BM_QuantityFromText);

void BM_QuantityFromDecimalText(benchmark::State &state)
{
    const QString text = QStringLiteral("0.29");
    for (auto _ : state)
        benchmark::DoNotOptimize(Trade::Quantity::fromDecimalText(text, &fixture().symbol));
}
BENCHMARK(BM_QuantityFromDecimalText);

} // namespace

int main(int argc, char **argv)
{
    std::printf("sizeof(Trade::Price) = %zu bytes (at most 24)\n", sizeof(Trade::Price));
    return bench::runWithRatios(argc, argv,
                                {{"BM_PriceSetValue", "BM_SetValueByHand", 1.3},
                                 {"BM_PriceEqual", "BM_EqualByHand", 1.3},
                                 {"BM_PriceLess", "BM_LessByHand", 1.3},
                                 {"BM_QuantityEqual", "BM_QuantityEqualByHand", 1.3},
                                 {"BM_PriceEqual", "BM_DoubleEqual", 0.0},
                                 {"BM_PriceFromDecimalText", "BM_PriceFromText", 1.5},
                                 {"BM_QuantityFromDecimalText", "BM_QuantityFromText", 1.5}});
}
