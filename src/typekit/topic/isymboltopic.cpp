#include "isymboltopic.h"

namespace Trade {

ISymbolTopic::~ISymbolTopic() = default;

} // namespace Trade
