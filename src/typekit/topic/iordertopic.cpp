#include "iordertopic.h"

namespace Trade {

IOrderTopic::~IOrderTopic() = default;

} // namespace Trade
