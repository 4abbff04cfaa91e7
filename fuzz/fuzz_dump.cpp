// Saved layouts are files on a user's disk: whatever they hold, reading them back must not crash.
// Any text goes to Dump::fromJson; a dump that parses writes back as JSON that reads the same, and
// loads as the type it names (any type the process knows).
#include "fuzzhost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Trade::Dump dump = Fuzz::dumpOf(data, size);
    Fuzz::require(Trade::Dump::fromJson(dump.toJsonIndented()) == dump, "a dump's JSON reads back the same", dump);
    Fuzz::checkLoads(dump);
    return 0;
}
