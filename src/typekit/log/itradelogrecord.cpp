#include "itradelogrecord.h"

namespace Trade {

ITradeLogRecord::~ITradeLogRecord() = default;

} // namespace Trade
