#include "iconnectionrecord.h"

namespace Trade {

IConnectionRecord::~IConnectionRecord() = default;

} // namespace Trade
