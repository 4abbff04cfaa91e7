#include "orderstoragefilter.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

OrderStorageFilter &OrderStorageFilter::canCancel(bool value)
{
    setCanCancel(value);
    return *this;
}

bool OrderStorageFilter::canCancel() const
{
    TRADE_ASSERT(hasCanCancel(), u"Trade::OrderStorageFilter::canCancel", u"order/orderstoragefilter", this);
    return m_canCancel.value();
}

OrderStorageFilter &OrderStorageFilter::working(bool value)
{
    setWorking(value);
    return *this;
}

bool OrderStorageFilter::working() const
{
    TRADE_ASSERT(hasWorking(), u"Trade::OrderStorageFilter::working", u"order/orderstoragefilter", this);
    return m_working.value();
}

} // namespace Trade
