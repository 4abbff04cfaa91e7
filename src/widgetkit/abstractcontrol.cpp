#include "abstractcontrol.h"

namespace Trade {

AbstractControl::AbstractControl() = default;

AbstractControl::~AbstractControl() = default;

bool AbstractControl::isReadOnly() const
{
    return m_readOnly;
}

void AbstractControl::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

} // namespace Trade
