#include "symbolboundconverter.h"

#include <typekit/symbol/isymbol.h>

namespace Trade {

bool SymbolBoundConverter::rebasesOn(const Variant &context) const
{
    return context.heldOr<ISymbol *>(nullptr) != nullptr;
}

} // namespace Trade
