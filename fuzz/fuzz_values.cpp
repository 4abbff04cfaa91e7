// The symbol-bound values and percents as saved: prices, average prices, quantities, profits.
// A loaded value is also made anew on the context symbol, as records are when a host reads them.
#include "fuzzhost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::checkLoaders(Fuzz::dumpOf(data, size),
                       {"Trade::Price", "Trade::AveragePrice", "Trade::Quantity", "Trade::Profit", "Trade::Percent"},
                       [](const Trade::Variant &loaded, const Trade::Variant &context) {
                           Fuzz::require(loaded == loaded, "a loaded value equals itself", loaded.save());
                           (void)loaded.convert(loaded.userType(), context).toString();
                       });
    return 0;
}
