#include "tradeside.h"

#include <QtCore/QCoreApplication>

namespace Trade {

QString TradeSide::toString() const
{
    switch (m_type) {
    case Long:
        return QCoreApplication::translate("Trade::TradeSide", "Long");
    case Short:
        return QCoreApplication::translate("Trade::TradeSide", "Short");
    case Flat:
        return QCoreApplication::translate("Trade::TradeSide", "Flat");
    }
    return QString();
}

QString TradeSideConverter::toString(const Variant &value)
{
    return value.valueOr(TradeSide()).toString();
}

int TradeSideConverter::compare(const Variant &left, const Variant &right) const
{
    const int l = left.valueOr(TradeSide());
    const int r = right.valueOr(TradeSide());
    return l == r ? 0 : (l < r ? -1 : 1);
}

} // namespace Trade
