#include "positionstoragefilter.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

PositionStorageFilter &PositionStorageFilter::canClose(bool value)
{
    setCanClose(value);
    return *this;
}

bool PositionStorageFilter::canClose() const
{
    TRADE_ASSERT(hasCanClose(), u"Trade::PositionStorageFilter::canClose", u"position/positionstoragefilter", this);
    return m_canClose.value();
}

} // namespace Trade
