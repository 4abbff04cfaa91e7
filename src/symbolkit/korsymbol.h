#pragma once

#include <symbolkit/symbolkit_export.h>

#include <string>

namespace Symbology {

enum KorSymbolType : int {
    symbolTypeUndefined = 0,
    symbolTypeBond = 1,
    symbolTypeForex = 2,
    symbolTypeFuture = 3,
    symbolTypeFutureContinuous = 4,
    symbolTypeFutureContinuousAdjusted = 5,
    symbolTypeFutureForward = 6,
    symbolTypeFutureOption = 7,
    symbolTypeFutureSpot = 9,
    symbolTypeSpread = 10,
    symbolTypeIndex = 13,
    symbolTypeStock = 14,
    symbolTypeStockOption = 15,
    symbolTypeUserDefinedSpread = 17,
    symbolTypeMutualFund = 18,
    symbolTypeMoneyFund = 19,
    symbolTypeDictionary = 23,
};

/// Classification of symbol names by their syntax.
///
/// Rules, first match wins (names are case-sensitive, letters are A-Z):
///   - a name registered with registerName() has the registered type;
///   - an empty name is undefined;
///   - "=NAME" is a dictionary name, left to the host's symbol dictionary (symbolTypeDictionary);
///   - "$NAME" is an index ("$SPX.X");
///   - "@ROOT" is a continuous future ("@ES");
///   - "AAA/BBB", two three-letter codes, is a forex pair ("EUR/USD");
///   - "LEFT-RIGHT" with two futures or two stocks is a spread ("ESZ26-ESH27");
///   - "UNDERLYING DETAILS" is an option: a future option when the underlying is a future
///     ("ESZ26 C4000"), a stock option when it is a stock ("AAPL 261218C200");
///   - a root of 1 to 3 letters, a month code (FGHJKMNQUVXZ) and a two-digit year is a future
///     ("ESZ26");
///   - 1 to 5 letters, optionally followed by '.' and 1 or 2 letters, is a stock ("MSFT", "BRK.B");
///   - anything else is undefined.
class SYMBOLKIT_EXPORT KorSymbol
{
public:
    static KorSymbolType typeOf(const std::string &name);

    /// Gives an exact name a type of its own (bonds, funds and other instruments whose names have
    /// no syntax of their own). Registering a name again replaces its type.
    static void registerName(const std::string &name, KorSymbolType type);
    static void unregisterName(const std::string &name);
};

} // namespace Symbology
