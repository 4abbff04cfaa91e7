// What every fuzz target shares: a sample host with topics, a formatter, symbols and an account
// (so that saved fields, symbols and accounts are found again), the input read as a saved form,
// and the checks that every loader must pass on it.
//
// A target names the types whose loaders it drives; each input is loaded as each of them, with no
// context and with each symbol as the context. Whatever a loader makes of the input must then
// behave: show, save, and load back as the same value.
#pragma once

#include <basekit/dump.h>
#include <basekit/variant.h>

#include <QtCore/QVector>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace Trade {
class IAccount;
class ISymbol;
} // namespace Trade

namespace Fuzz {

// The process's sample host, made on first use and kept until exit.
struct Fixtures
{
    // Symbols with distinct figures: a future on quarter ticks, a stock on cents with lots of
    // 100 and a price multiplier of 100, and one whose record has lost its tick figures.
    Trade::ISymbol *future;
    Trade::ISymbol *scaled;
    Trade::ISymbol *bare;
    Trade::IAccount *account;
};
const Fixtures &fixtures();

// No context, then each fixture symbol.
const QVector<Trade::Variant> &contexts();

// The input's JSON as a saved form; a null dump when it is none.
Trade::Dump dumpOf(const uint8_t *data, size_t size);

// The same node under another type name.
Trade::Dump retyped(const Trade::Dump &dump, const QString &typeName);

// Called on each value a loader made, with the context it was loaded with.
using Inspect = std::function<void(const Trade::Variant &loaded, const Trade::Variant &context)>;

// Loads the dump as the type it names, with each context, and checks what comes out: its text,
// its saved form (which must load back equal, with the same context) and whatever `inspect`
// looks at.
void checkLoads(const Trade::Dump &dump, const Inspect &inspect = {});
// The same, with the dump retyped as each of the types.
void checkLoaders(const Trade::Dump &dump, std::initializer_list<const char *> typeNames, const Inspect &inspect = {});

// Prints the failed check with the dumps involved and aborts, so that the fuzzer keeps the input.
[[noreturn]] void fail(const char *check, const Trade::Dump &dump, const Trade::Dump &other = Trade::Dump());
inline void require(bool holds, const char *check, const Trade::Dump &dump)
{
    if (!holds)
        fail(check, dump);
}

} // namespace Fuzz

// Defines the fuzzer's entry point of a target that drives the loaders of the given types.
#define TYPEKIT_FUZZ_LOADERS(...)                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                        \
    {                                                                                              \
        Fuzz::checkLoaders(Fuzz::dumpOf(data, size), {__VA_ARGS__});                               \
        return 0;                                                                                  \
    }
