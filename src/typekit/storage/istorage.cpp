#include "istorage.h"

namespace Trade {

IStorage::~IStorage() = default;

} // namespace Trade
