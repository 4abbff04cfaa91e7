/// \class Trade::OrderStorageFilter
/// An order storage query: the common filter plus whether the order can be cancelled and whether
/// it is working.
#pragma once

#include <typekit/storage/storagefilter.h>

namespace Trade {

class TYPEKIT_EXPORT OrderStorageFilter : public StorageFilter
{
public:
    OrderStorageFilter() = default;
    /// The common part of `filter`, both flags unset.
    OrderStorageFilter(const StorageFilter &filter) : StorageFilter(filter) {}

    TRADE_STORAGE_FILTER_BUILDERS(OrderStorageFilter)

    bool hasCanCancel() const { return m_canCancel.isSet(); }
    void setCanCancel(bool value) { m_canCancel.set(value); }
    OrderStorageFilter &canCancel(bool value);
    /// An unset flag is reported and reads false.
    bool canCancel() const;

    bool hasWorking() const { return m_working.isSet(); }
    void setWorking(bool value) { m_working.set(value); }
    OrderStorageFilter &working(bool value);
    bool working() const;

    static const int metaTypeId;

private:
    OptionalFlag m_canCancel;
    OptionalFlag m_working;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderStorageFilter)
