#include "orderflags.h"

#include <typekit/textconversions_p.h>

namespace Trade {

QString OrderFlags::toString() const
{
    return QStringLiteral("ShouldBeIgnoredByBasketManager: %1\nZeroQuantityIsValid: %2")
        .arg(isFlagSet(ShouldBeIgnoredByBasketManager) ? 1 : 0)
        .arg(isFlagSet(ZeroQuantityIsValid) ? 1 : 0);
}

bool detail::registerOrderFlagsTextConversions()
{
    QMetaType::registerConverter<OrderFlags, QString>(
        [](const OrderFlags &flags) { return QString::number(flags.bits()); });
    // Bits that name no flag are dropped.
    return QMetaType::registerConverter<QString, OrderFlags>([](const QString &text) {
        int bits = 0;
        OrderFlags flags;
        if (!readSavedNumbers(text, "Trade::OrderFlags", 1, &bits))
            return flags;
        for (const OrderFlags::Type flag :
             {OrderFlags::ShouldBeIgnoredByBasketManager, OrderFlags::ZeroQuantityIsValid}) {
            if (quint32(bits) & flag)
                flags.setFlag(flag);
        }
        return flags;
    });
}

} // namespace Trade
