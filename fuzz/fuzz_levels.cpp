// The levels of exit and stop strategies as saved, alone and in lists: only valid levels load.
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
                           for (const ExitStrategyLevel &level : loaded.heldOr(ExitStrategyLevels()))
                               valid = valid && level.isValid();
                           for (const StopStrategyLevel &level : loaded.heldOr(StopStrategyLevels()))
                               valid = valid && level.isValid();
                           Fuzz::require(valid, "only valid levels load", loaded.save());
                       });
    return 0;
}
