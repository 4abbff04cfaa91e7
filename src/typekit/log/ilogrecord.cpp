#include "ilogrecord.h"

namespace Trade {

ILogRecord::~ILogRecord() = default;

} // namespace Trade
