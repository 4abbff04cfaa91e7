#include "iexitstrategytemplate.h"

namespace Trade {

IExitStrategyTemplate::~IExitStrategyTemplate() = default;

} // namespace Trade
