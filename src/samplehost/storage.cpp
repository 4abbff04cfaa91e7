#include "storage.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QPointer>

#include <algorithm>
#include <utility>

namespace Sample {

namespace {
constexpr QStringView unit = u"samplehost/storage";
} // namespace

Trade::IRecord *const &Storage::View::value(int index) const
{
    static Trade::IRecord *const none = nullptr;
    const bool inRange = index >= 0 && index < m_records.size();
    TRADE_ASSERT(inRange, u"Sample::Storage::View::value", unit, this);
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

bool Storage::adopt(std::unique_ptr<Record> &record, QStringView function)
{
    if (!record)
        return false;
    TRADE_ASSERT(record->m_storage == nullptr, function, unit, this)
        << "The record is held by another storage, and stays there. Key=\"" << record->key() << "\"";
    if (record->m_storage) {
        record.release(); // its storage owns it
        return false;
    }
    Record *const adopted = record.release();
    adopted->m_storage = this;
    m_records.append(adopted);
    m_owned.append(adopted);
    if (m_lateRecords) // while a clearing is heard: it goes with the rest
        m_lateRecords->append(adopted);
    return true;
}

Record *Storage::add(std::unique_ptr<Record> record)
{
    const QPointer<Record> added = record.get();
    if (!adopt(record, u"Sample::Storage::add"))
        return nullptr;
    announce(Added, added);
    return added && added->m_storage == this ? added.data() : nullptr;
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

void Storage::reset(std::vector<std::unique_ptr<Record>> records)
{
    // Records given to a storage that goes before it takes them are deleted with the vector,
    // those another storage holds let go.
    const auto release = [&records] {
        for (std::unique_ptr<Record> &record : records)
            if (record && record->m_storage)
                record.release();
    };
    if (!m_owned.isEmpty() && !announceClearing()) {
        release();
        return;
    }
    // The records' ends are announced (disposed), and whoever hears one may delete this storage.
    const QPointer<Storage> alive(this);
    dropAll();
    if (!alive) {
        release();
        return;
    }
    for (std::unique_ptr<Record> &record : records)
        adopt(record, u"Sample::Storage::reset");
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
