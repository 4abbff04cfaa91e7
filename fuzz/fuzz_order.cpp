// Order records as saved, with their spread legs: read back through the typed accessors of every
// attribute, and the legs looked up by each symbol, as an order ticket does.
#include "fuzzhost.h"

#include <typekit/order/orderrecord.h>

namespace {

void readOrder(const Trade::OrderRecord &order)
{
    using namespace Trade;
    (void)order.symbolOptional(nullptr);
    (void)order.accountOptional(nullptr);
    (void)order.exitStrategyTemplateOptional(nullptr);
    (void)order.hasEmptyExitStrategyTemplate();
    (void)order.idOptional(QString()).size();
    (void)order.stopLimitPlusOptional(0);
    (void)order.actionOptional(OrderAction()).toString();
    (void)order.limitPriceOptional(Price()).toString();
    (void)order.stopPriceOptional(Price()).toString();
    (void)order.categoryOptional(OrderCategory()).toString();
    (void)order.stateOptional(OrderState()).toString();
    (void)order.expiryOptional(OrderExpiry()).toString();
    (void)order.quantityOptional(Quantity()).toString();
    (void)order.filledOptional(Quantity()).toString();
    (void)order.eventSourceOptional(EventSource()).toString();
    (void)order.eventReasonOptional(EventReason()).toString();
    (void)order.isFlagSet(OrderFlags::ZeroQuantityIsValid);
    const SpreadLegsOrderInfo legs = order.spreadLegsOptional(SpreadLegsOrderInfo());
    const Fuzz::Fixtures &fixtures = Fuzz::fixtures();
    for (const ISymbol *symbol : {fixtures.future, fixtures.scaled, fixtures.bare})
        (void)legs.orderInfoBySymbol(symbol).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::checkLoaders(Fuzz::dumpOf(data, size), {"Trade::VariantRecord", "Trade::SpreadLegsOrderInfo"},
                       [](const Trade::Variant &loaded, const Trade::Variant &) {
                           if (loaded.is<Trade::VariantRecord>())
                               readOrder(Trade::OrderRecord(loaded.strongValue<Trade::VariantRecord>()));
                           for (const Trade::OrderRecord &leg : loaded.heldOr(Trade::SpreadLegsOrderInfo()))
                               readOrder(leg);
                       });
    return 0;
}
