#include "tradeside.h"

#include <QtCore/QObject>

namespace Trade {

QString TradeSideConverter::toString(const Variant &value)
{
    switch (value.valueOr(TradeSide())) {
    case TradeSide::Long:
        return QObject::tr("Long");
    case TradeSide::Short:
        return QObject::tr("Short");
    case TradeSide::Flat:
        return QObject::tr("Flat");
    }
    return QString();
}

int TradeSideConverter::compare(const Variant &left, const Variant &right) const
{
    const int l = left.valueOr(TradeSide());
    const int r = right.valueOr(TradeSide());
    return l == r ? 0 : (l < r ? -1 : 1);
}

} // namespace Trade
