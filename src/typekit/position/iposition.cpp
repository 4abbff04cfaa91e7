#include "iposition.h"

namespace Trade {

IPosition::~IPosition() = default;

} // namespace Trade
