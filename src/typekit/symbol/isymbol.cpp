#include "isymbol.h"

#include <typekit/topic/isymboltopic.h>

namespace Trade {

IBrokerConnection::~IBrokerConnection() = default;
ISymbol::~ISymbol() = default;

bool ISymbol::hasValidFigures(const ISymbol *symbol)
{
    if (!symbol)
        return false;
    const ISymbolTopic *topic = symbol->symbolTopic();
    return topic && symbol->hasValue(topic->userDefinedMinMovementField())
           && symbol->hasValue(topic->userDefinedPriceScaleField());
}

} // namespace Trade
