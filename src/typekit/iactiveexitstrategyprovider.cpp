#include "iactiveexitstrategyprovider.h"

namespace Trade {

IActiveExitStrategyProvider::~IActiveExitStrategyProvider() = default;

} // namespace Trade
