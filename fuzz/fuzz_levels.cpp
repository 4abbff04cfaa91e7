// The levels of exit and stop strategies as saved, alone and in lists: alone only valid levels
// load; a list takes every item that loads as something (an item of another type as a default,
// invalid level), and saving and loading it again drops those.
#include "fuzzhost.h"

#include <typekit/mms/stopstrategy/stopstrategylevel.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Trade;
    Fuzz::checkLoaders(Fuzz::dumpOf(data, size),
                       {"Trade::ExitStrategyLevel", "Trade::ExitStrategyLevels", "Trade::StopStrategyLevel",
                        "Trade::StopStrategyLevels"},
                       [](const Variant &loaded, const Variant &) {
                           bool valid = true;
                           if (loaded.is<ExitStrategyLevel>())
                               valid = loaded.strongValue<ExitStrategyLevel>().isValid();
                           if (loaded.is<StopStrategyLevel>())
                               valid = loaded.strongValue<StopStrategyLevel>().isValid();
                           Fuzz::require(valid, "only valid levels load alone", loaded.save());
                       });
    return 0;
}
