#include "imarketdataprovider.h"

namespace Trade {

IMarketDataProvider::~IMarketDataProvider() = default;

} // namespace Trade
