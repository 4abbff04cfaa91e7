#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/ifield.h>

namespace Trade {

/// The host's position topic: the fields of the position attributes that the library's position
/// statistics read. The value type stored under each field is given beside it.
class TYPEKIT_EXPORT IPositionTopic
{
public:
    virtual IField *quantityField() const = 0;   // Trade::Quantity, signed: short positions are negative
    virtual IField *returnField() const = 0;     // Trade::Profit, the position's open profit or loss
    virtual IField *pullBackField() const = 0;   // qint64, ticks given back from the best price
    virtual IField *returnBaseField() const = 0; // Trade::Profit, the money the return is measured on
    virtual ~IPositionTopic();
};

} // namespace Trade
