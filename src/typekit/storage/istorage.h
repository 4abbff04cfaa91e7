#pragma once

#include <typekit/container.h>
#include <typekit/record/irecord.h>
#include <typekit/storage/storagefilter.h>
#include <typekit/typekit_export.h>

#include <notifierkit/inotifier.h>

#include <QtCore/QMetaType>

namespace Trade {

/// One of the host's record storages (orders, positions, log entries). It hands out its records
/// as an enumerable, evaluates filters, and announces every change of its contents through its
/// Qt signal storageChanged(event, record, storage):
///
///     Reset (1)          the contents were replaced; record is null, walk records() again
///     Added (2)          record has come in
///     Removed (3)        record has left; it is still alive during the signal
///     Updated (4)        record's entries changed
///     AboutToClear (5)   all records are about to go; they are still there during the signal
///
/// A host that replaces all its records therefore sends AboutToClear, then Reset. Observers that
/// want to follow every record use Trade::StorageRecordsSubscriptionHolder.
class TYPEKIT_EXPORT IStorage : public virtual INotifier
{
public:
    enum ChangeEvent { Reset = 1, Added = 2, Removed = 3, Updated = 4, AboutToClear = 5 };

    /// The records, in the storage's order. The enumerable belongs to the storage and shows its
    /// current contents; it lives as long as the storage.
    virtual const Enumerable<IRecord *> &records() const = 0;
    /// The records that pass the filter (an order or position storage filter, or the common part
    /// of one), in the storage's order.
    virtual Container<IRecord *> select(const StorageFilter &filter) const = 0;
    /// A Qt signal of the implementing class, declared with these parameter texts so that
    /// observers' slots match it by name and queued connections can carry it.
    virtual void storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record,
                                Trade::IStorage *storage) const = 0;
    /// Whether the record, one of the storage's, passes the filter as select() would take it:
    /// for views that follow the storage record by record (beyond the described operations).
    /// This implementation asks select() and so reads every record; a storage that can answer
    /// for one record overrides it.
    virtual bool passesFilter(IRecord *record, const StorageFilter &filter) const;

    ~IStorage() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IStorage::ChangeEvent)
Q_DECLARE_METATYPE(Trade::IStorage *)
