#include "irecord.h"

namespace Trade {

IRecord::~IRecord() = default;

} // namespace Trade
