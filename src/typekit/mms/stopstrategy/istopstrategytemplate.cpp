#include "istopstrategytemplate.h"

namespace Trade {

IStopStrategyTemplate::~IStopStrategyTemplate() = default;

} // namespace Trade
