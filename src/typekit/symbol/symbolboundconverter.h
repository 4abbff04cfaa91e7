#pragma once

#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

namespace Trade {

class ISymbol;

/// What the converters of symbol-bound values (prices, quantities, profits, average prices) have
/// in common: converting such a value with a context that holds a symbol makes it anew on that
/// symbol, so that a record converted for another symbol carries that symbol's grid and lots.
class TYPEKIT_EXPORT SymbolBoundConverter : public IRebasingConverter
{
public:
    /// A context holding a symbol that is not null.
    bool rebasesOn(const Variant &context) const override;

protected:
    ~SymbolBoundConverter() = default;
};

} // namespace Trade
