#include "storagerecordssubscriptionholder.h"

#include <typekit/storage/storageholds_p.h>

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"storage/storagerecordssubscriptionholder";

QObject *objectOf(IStorage *storage)
{
    return dynamic_cast<QObject *>(storage);
}

} // namespace

StorageRecordsSubscriptionHolder::StorageRecordsSubscriptionHolder(IStorage *storage, QObject *subscriber)
    : QObject(nullptr), m_storage(storage), m_subscriber(subscriber), m_storageObject(objectOf(storage))
{
    TRADE_ASSERT(storage != NULL, u"Trade::StorageRecordsSubscriptionHolder::StorageRecordsSubscriptionHolder", unit,
                 this);
    TRADE_ASSERT(subscriber != NULL, u"Trade::StorageRecordsSubscriptionHolder::StorageRecordsSubscriptionHolder", unit,
                 this);
    if (storage && subscriber)
        storage->subscribe(this);
}

StorageRecordsSubscriptionHolder::~StorageRecordsSubscriptionHolder()
{
    if (m_storageObject)
        walk(m_storage, Walk::Unsubscribe);
}

void StorageRecordsSubscriptionHolder::slot_storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record,
                                                           Trade::IStorage *storage)
{
    if (!m_subscriber)
        return;
    switch (event) {
    case IStorage::Reset:
        walk(storage, Walk::Subscribe);
        break;
    case IStorage::Added:
        // An observer that heard the announcement first may have taken the record out of the
        // storage again, or deleted it: only a record that is still there is subscribed to.
        if (record && (!storage || storageHolds(storage, record)))
            record->subscribe(m_subscriber);
        break;
    case IStorage::Removed:
        ++m_removals;
        if (record)
            record->unsubscribe(m_subscriber);
        break;
    case IStorage::AboutToClear:
        walk(storage, Walk::Unsubscribe);
        break;
    default:
        break;
    }
}

void StorageRecordsSubscriptionHolder::walk(IStorage *storage, Walk walk)
{
    if (!storage || !m_subscriber)
        return;
    // A storage is a QObject (it signals); the holder's own storage may have gone already.
    QObject *const storageObject = storage == m_storage ? m_storageObject.data() : objectOf(storage);
    if (!storageObject)
        return;
    // Any subscription call may run code of the host (attach slots, hooks) that deletes the
    // storage, the observer or this holder.
    const QPointer<QObject> storageAlive(storageObject);
    const QPointer<StorageRecordsSubscriptionHolder> self(this);
    QObject *const subscriber = m_subscriber;
    const Enumerable<IRecord *> &records = storage->records();
    int removals = m_removals;
    for (int i = 0; i < records.size(); ++i) {
        IRecord *record = records.value(i);
        if (!record)
            continue;
        if (walk == Walk::Subscribe)
            record->subscribe(subscriber);
        else
            record->unsubscribe(subscriber);
        if (!self || !storageAlive || !m_subscriber)
            return;
        // A record removed meanwhile may have stood before i, and the others moved up: walk
        // again from the start (subscribing twice, or unsubscribing twice, changes nothing).
        if (m_removals != removals) {
            removals = m_removals;
            i = -1;
        }
    }
}

} // namespace Trade
