#include "pricelevels.h"

namespace Trade {

bool PriceLevels::operator==(const PriceLevels &other) const
{
    return firstPrice == other.firstPrice && secondPrice == other.secondPrice && flag == other.flag;
}

} // namespace Trade
