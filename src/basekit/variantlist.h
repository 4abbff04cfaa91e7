#pragma once

#include <basekit/variant.h>

#include <QtCore/QVector>

namespace Trade {

/// A list of variants that collects with <<.
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
