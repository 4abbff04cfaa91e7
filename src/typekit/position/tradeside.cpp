#include "tradeside.h"

#include <QtCore/QObject>

namespace Trade {

QString TradeSide::toString() const
{
    switch (m_type) {
    case Long:
        return QObject::tr("Long");
    case Short:
        return QObject::tr("Short");
    case Flat:
        return QObject::tr("Flat");
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
