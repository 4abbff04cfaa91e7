#include "ipositiontopic.h"

namespace Trade {

IPositionTopic::~IPositionTopic() = default;

} // namespace Trade
