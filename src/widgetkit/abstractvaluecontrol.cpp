#include "abstractvaluecontrol.h"

namespace Trade {

AbstractValueControl::AbstractValueControl() = default;

AbstractValueControl::~AbstractValueControl() = default;

Variant AbstractValueControl::value() const
{
    return m_value;
}

void AbstractValueControl::setValue(const Variant &value)
{
    if (value == m_value)
        return;
    m_value = value;
    showValue();
    // A copy: an observer may delete the control while others are still to hear the value.
    const Variant announced = m_value;
    valueChanged(announced);
}

} // namespace Trade
