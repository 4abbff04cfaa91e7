#include "orderflags.h"

namespace Trade {

QString OrderFlags::toString() const
{
    return QStringLiteral("ShouldBeIgnoredByBasketManager: %1\nZeroQuantityIsValid: %2")
        .arg(isFlagSet(ShouldBeIgnoredByBasketManager) ? 1 : 0)
        .arg(isFlagSet(ZeroQuantityIsValid) ? 1 : 0);
}

} // namespace Trade
