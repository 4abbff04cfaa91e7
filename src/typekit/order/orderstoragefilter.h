#pragma once

#include <typekit/storage/storagefilter.h>

namespace Trade {

/// An order storage query: the common filter plus whether the order can be cancelled and whether
/// it is working.
class TYPEKIT_EXPORT OrderStorageFilter : public StorageFilter
{
public:
    OrderStorageFilter() = default;
    /// The common part of `filter`, both flags unset.
    OrderStorageFilter(const StorageFilter &filter) : StorageFilter(filter) {}

    TRADE_STORAGE_FILTER_BUILDERS(OrderStorageFilter)

    bool hasCanCancel() const { return m_canCancel.hasValue(); }
    void setCanCancel(bool value) { m_canCancel = value; }
    OrderStorageFilter &canCancel(bool value);
    /// An unset flag is reported and reads false.
    bool canCancel() const;

    bool hasWorking() const { return m_working.hasValue(); }
    void setWorking(bool value) { m_working = value; }
    OrderStorageFilter &working(bool value);
    bool working() const;

    static const int metaTypeId;

private:
    Common::Nullable<bool> m_canCancel;
    Common::Nullable<bool> m_working;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderStorageFilter)
