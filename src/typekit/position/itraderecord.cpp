#include "itraderecord.h"

namespace Trade {

ITradeRecord::~ITradeRecord() = default;

} // namespace Trade
