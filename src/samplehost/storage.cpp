#include "storage.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QPointer>

#include <algorithm>
#include <utility>

namespace Sample {

Trade::IRecord *const &Storage::View::value(int index) const
{
    static Trade::IRecord *const none = nullptr;
    const bool inRange = index >= 0 && index < m_records.size();
    TRADE_ASSERT(inRange, u"Sample::Storage::View::value", u"samplehost/storage", this);
    return inRange ? m_records.at(index) : none;
}

Storage::Storage(QObject *parent) : QObject(parent), m_view(m_records)
{
}

Storage::~Storage()
{
    if (!m_owned.isEmpty())
        announceClearing();
    dropAll();
    Q_EMIT disposed(this);
}

Trade::Container<Trade::IRecord *> Storage::select(const Trade::StorageFilter &filter) const
{
    Trade::Container<Trade::IRecord *> selected;
    for (int i = 0; i < m_owned.size(); ++i) {
        if (accepts(m_owned.at(i), filter))
            selected.append(m_records.at(i));
    }
    return selected;
}

bool Storage::passesFilter(Trade::IRecord *record, const Trade::StorageFilter &filter) const
{
    const auto *own = dynamic_cast<const Record *>(record);
    return own && own->m_storage == this && accepts(own, filter);
}

bool Storage::accepts(const Record *, const Trade::StorageFilter &) const
{
    return true;
}

Record *Storage::find(const QString &key) const
{
    for (Record *record : m_owned) {
        if (record->key() == key)
            return record;
    }
    return nullptr;
}

void Storage::add(Record *record)
{
    if (!record || record->m_storage)
        return;
    record->m_storage = this;
    m_records.append(record);
    m_owned.append(record);
    if (m_lateRecords)
        m_lateRecords->append(record);
    announce(Added, record);
}

void Storage::update(Record *record, const Trade::VariantRecord &changes)
{
    if (record && record->m_storage == this)
        record->merge(changes);
}

Record *Storage::take(Record *record)
{
    // Recent records go first, so look from the end.
    const qsizetype index = record ? m_owned.lastIndexOf(record) : -1;
    if (index < 0)
        return nullptr;
    m_records.removeAt(index);
    m_owned.removeAt(index);
    record->m_storage = nullptr;
    if (m_lateRecords)
        m_lateRecords->removeAll(record);
    // Observers hear of the record while it still lives, and must not delete it then (see
    // Trade::IStorage); should one do it all the same, the caller gets no dangling pointer.
    const QPointer<Record> alive(record);
    announce(Removed, record);
    return alive.data();
}

void Storage::remove(Record *record)
{
    delete take(record);
}

void Storage::reset(const QVector<Record *> &records)
{
    if (!m_owned.isEmpty() && !announceClearing()) {
        qDeleteAll(records);  // they were given to a storage that has gone
        return;
    }
    // The records' ends are announced (disposed), and whoever hears one may delete this storage.
    const QPointer<Storage> alive(this);
    dropAll();
    if (!alive) {
        qDeleteAll(records);
        return;
    }
    for (Record *record : records) {
        if (!record || record->m_storage)
            continue;
        record->m_storage = this;
        m_records.append(record);
        m_owned.append(record);
        if (m_lateRecords)  // a reset while a clearing is heard: these go with the rest
            m_lateRecords->append(record);
    }
    Q_EMIT storageChanged(Reset, nullptr, this);
}

void Storage::clear()
{
    if (!m_owned.isEmpty() && announceClearing())
        dropAll();
}

bool Storage::announceClearing()
{
    // An observer may delete the storage while it hears this, or add records: each of those is
    // removed (taken out, announced as Removed, deleted), so that every record that goes was
    // announced after it came. (Records are told apart by add() noting them, not by address: a
    // new record may take the place of one deleted meanwhile.)
    const QPointer<Storage> alive(this);
    QVector<Record *> late;
    QVector<Record *> *const outer = std::exchange(m_lateRecords, &late);
    Q_EMIT storageChanged(AboutToClear, nullptr, this);
    while (alive && !late.isEmpty())
        remove(late.takeFirst());
    if (alive)
        m_lateRecords = outer;
    return alive;
}

void Storage::attached_storageChanged(const Link *link)
{
    call(*link, Trade::IStorage::ChangeEvent(Reset), static_cast<Trade::IRecord *>(nullptr),
         static_cast<Trade::IStorage *>(this));
}

void Storage::announce(Trade::IStorage::ChangeEvent event, Record *record)
{
    Q_EMIT storageChanged(event, record, this);
}

void Storage::dropAll()
{
    const QVector<Record *> leaving = std::exchange(m_owned, {});
    m_records.clear();
    for (Record *record : leaving) {
        record->m_storage = nullptr;
        delete record;
    }
}

} // namespace Sample
