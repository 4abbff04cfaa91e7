/// \class Trade::VariantList
/// A list of variants that collects with <<.
#pragma once

#include <basekit/variant.h>

#include <QtCore/QVector>

namespace Trade {

class VariantList : public QVector<Variant>
{
public:
    using QVector<Variant>::QVector;
    VariantList() = default;

    VariantList &operator<<(const Variant &value)
    {
        append(value);
        return *this;
    }
};

} // namespace Trade
