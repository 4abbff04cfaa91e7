#include "irecorddata.h"

namespace Trade {

IRecordData::~IRecordData() = default;

} // namespace Trade
