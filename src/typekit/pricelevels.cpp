#include "pricelevels.h"

#include <QtCore/QDebug>

namespace Trade {

bool PriceLevels::operator==(const PriceLevels &other) const
{
    return firstPrice == other.firstPrice && secondPrice == other.secondPrice && flag == other.flag;
}

QDebug operator<<(QDebug debug, const PriceLevels &levels)
{
    const QDebugStateSaver saver(debug);
    const auto text = [](const Price &price) {
        return price.hasValue() ? price.toString() : QStringLiteral("none");
    };
    debug.nospace() << "Trade::PriceLevels(" << text(levels.firstPrice) << ", " << text(levels.secondPrice)
                    << (levels.flag ? ", flag)" : ")");
    return debug;
}

} // namespace Trade
