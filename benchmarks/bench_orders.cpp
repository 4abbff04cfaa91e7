// Typed order access against the same work done by hand on a plain record with the topic's field.
#include "ratios.h"
#include "samplefixture.h"

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderutils.h>

namespace {

using bench::fixture;

void BM_LimitPriceByHand(benchmark::State &state)
{
    const Trade::IOrderTopic *topic = fixture().topics.orderTopic();
    Trade::VariantRecord record;
    const Trade::Price price(5012.25, &fixture().symbol);
    for (auto _ : state) {
        record.setValue(topic->limitPriceField(), Trade::Variant::fromValue(price));
        const Trade::Price &read = record.rawValue(topic->limitPriceField()).strongValue<Trade::Price>();
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_LimitPriceByHand);

void BM_OrderRecordLimitPrice(benchmark::State &state)
{
    Trade::OrderRecord order;
    const Trade::Price price(5012.25, &fixture().symbol);
    for (auto _ : state) {
        order.setLimitPrice(price);
        const Trade::Price &read = order.limitPrice();
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_OrderRecordLimitPrice);

Trade::VariantRecord orderWithFill()
{
    const Trade::IOrderTopic *topic = fixture().topics.orderTopic();
    Trade::VariantRecord record;
    record.setValue(topic->quantityField(), Trade::Variant::fromValue(Trade::Quantity(10.0, &fixture().symbol)));
    record.setValue(topic->filledField(), Trade::Variant::fromValue(Trade::Quantity(4.0, &fixture().symbol)));
    return record;
}

void BM_RemainingByHand(benchmark::State &state)
{
    const Trade::IOrderTopic *topic = fixture().topics.orderTopic();
    const Trade::VariantRecord record = orderWithFill();
    for (auto _ : state) {
        Trade::IField *quantityField = topic->quantityField();
        const Trade::Quantity ordered = record.contains(quantityField)
                                            ? record.rawValue(quantityField).heldOr(Trade::Quantity())
                                            : Trade::Quantity();
        Trade::IField *filledField = topic->filledField();
        const Trade::Quantity filled =
            record.contains(filledField) ? record.rawValue(filledField).heldOr(Trade::Quantity()) : Trade::Quantity();
        Trade::Quantity remaining = ordered.hasValue() && filled.hasValue() ? ordered - filled : ordered;
        benchmark::DoNotOptimize(remaining);
    }
}
BENCHMARK(BM_RemainingByHand);

void BM_RemainingQuantity(benchmark::State &state)
{
    const Trade::IOrderTopic *topic = fixture().topics.orderTopic();
    const Trade::VariantRecord record = orderWithFill();
    for (auto _ : state) {
        Trade::Quantity remaining = Trade::OrderUtils::remainingQuantity(record, topic);
        benchmark::DoNotOptimize(remaining);
    }
}
BENCHMARK(BM_RemainingQuantity);

// An order with the fields a ticket sets, saved to JSON and loaded back: the record API (with its
// problem collector) against the same steps through dumps by hand.
Trade::OrderRecord savedOrder()
{
    Trade::OrderRecord order(orderWithFill());
    order.setAction(Trade::OrderAction::Buy);
    order.setLimitPrice(Trade::Price(5012.25, &fixture().symbol));
    order.setSymbol(&fixture().symbol);
    return order;
}

void BM_JsonRoundTripByHand(benchmark::State &state)
{
    const Trade::OrderRecord order = savedOrder();
    for (auto _ : state) {
        const QString json = order.dump().toJsonIndented();
        const Trade::OrderRecord back(
            Trade::Variant::load(Trade::Dump::fromJson(json), Trade::Variant()).valueOr(Trade::VariantRecord()));
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_JsonRoundTripByHand);

void BM_JsonRoundTrip(benchmark::State &state)
{
    const Trade::OrderRecord order = savedOrder();
    for (auto _ : state) {
        QVector<Trade::LoadProblem> problems;
        const Trade::OrderRecord back = Trade::OrderRecord::fromJson(order.toJson(), Trade::Variant(), &problems);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_JsonRoundTrip);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_OrderRecordLimitPrice", "BM_LimitPriceByHand", 1.3},
                                 {"BM_RemainingQuantity", "BM_RemainingByHand", 1.3},
                                 {"BM_JsonRoundTrip", "BM_JsonRoundTripByHand", 1.1}});
}
