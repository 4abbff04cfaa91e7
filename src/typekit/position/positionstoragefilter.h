#pragma once

#include <typekit/storage/storagefilter.h>

namespace Trade {

/// A position storage query: the common filter plus whether the position can be closed.
class TYPEKIT_EXPORT PositionStorageFilter : public StorageFilter
{
public:
    PositionStorageFilter() = default;
    /// The common part of `filter`, the flag unset.
    PositionStorageFilter(const StorageFilter &filter) : StorageFilter(filter) {}

    TRADE_STORAGE_FILTER_BUILDERS(PositionStorageFilter)

    bool hasCanClose() const { return m_canClose.hasValue(); }
    void setCanClose(bool value) { m_canClose = value; }
    PositionStorageFilter &canClose(bool value);
    /// An unset flag is reported and reads false.
    bool canClose() const;

    static const int metaTypeId;

private:
    Common::Nullable<bool> m_canClose;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::PositionStorageFilter)
