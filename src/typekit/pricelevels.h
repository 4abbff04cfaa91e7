/// \struct Trade::PriceLevels
/// Two price levels of an order ticket and a flag, as the ticket's context carries them (for
/// instance the levels a chart trading view shows for the ticket's order).
#pragma once

#include <typekit/price.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>

class QDebug;

namespace Trade {

struct TYPEKIT_EXPORT PriceLevels
{
    Price firstPrice;
    Price secondPrice;
    bool flag = false;

    /// Both prices equal by Price::operator== and the same flag.
    bool operator==(const PriceLevels &other) const;
    bool operator!=(const PriceLevels &other) const { return !(*this == other); }
};

TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const PriceLevels &levels);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::PriceLevels)
