#include "domain.h"

namespace Trade {

bool Domain::contains(const Variant &value) const
{
    return indexOf(value) >= 0;
}

int Domain::indexOf(const Variant &value) const
{
    for (int i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i) == value)
            return i;
    }
    return -1;
}

} // namespace Trade
