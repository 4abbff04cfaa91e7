/// \class Sample::Storage
/// An in-memory record storage of the sample host: it owns its records, keeps them in the order
/// they came, and announces every change through storageChanged (see Trade::IStorage):
///
///     add(record)       Added        take(record), remove(record)   Removed (before it goes)
///     a record's merge  Updated      reset(records)                 AboutToClear, then Reset
///     clear()           AboutToClear (before the records go), and the same when the storage goes;
///                       a record added while observers hear it is removed (Removed) before the rest go
///
/// A new subscriber to storageChanged hears Reset at once, and only it: it takes in the records
/// already there as it would after a reset.
///
/// A record that leaves the storage (take, remove, reset, clear) is out of the storage's list
/// before it is deleted, so records() never shows a deleted record. During Removed the record
/// still lives, as Trade::IStorage promises, and observers must not delete it then: take() hands
/// it to its caller, remove() deletes it after the signal. Observers may delete the storage in
/// any signal it sends, and in the disposal of its records; the operation under way stops there. select() gives every record;
/// the order and position storages evaluate their filters.
#pragma once

#include <samplehost/record.h>
#include <samplehost/samplehost_export.h>

#include <typekit/storage/istorage.h>

#include <controlkit/abstractnotifier.h>
#include <notifierkit/idisposable.h>

#include <QtCore/QObject>
#include <QtCore/QVector>

namespace Sample {

class SAMPLEHOST_EXPORT Storage : public QObject,
                                  public Trade::AbstractNotifier,
                                  public virtual Trade::IStorage,
                                  public virtual Trade::IDisposable
{
    Q_OBJECT

public:
    explicit Storage(QObject *parent = nullptr);
    ~Storage() override;

    const Trade::Enumerable<Trade::IRecord *> &records() const override { return m_view; }
    Trade::Container<Trade::IRecord *> select(const Trade::StorageFilter &filter) const override;
    /// The record's own test, as select() makes it; false for a record the storage does not hold.
    bool passesFilter(Trade::IRecord *record, const Trade::StorageFilter &filter) const override;

    int count() const { return int(m_owned.size()); }
    Record *at(int index) const { return m_owned.value(index); }
    /// The first record of that key, or null.
    Record *find(const QString &key) const;

    /// Takes ownership of the record (a record another storage holds is left alone, and null is
    /// ignored).
    void add(Record *record);
    /// Merges the changes into the record it holds.
    void update(Record *record, const Trade::VariantRecord &changes);
    /// Lets the record go and hands it back to the caller; null when the storage does not hold it.
    Record *take(Record *record);
    void remove(Record *record);
    /// Replaces all records by these (taking ownership).
    void reset(const QVector<Record *> &records);
    void clear();

Q_SIGNALS:
    void storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record,
                        Trade::IStorage *storage) const override;
    void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_storageChanged(const Link *link);

protected:
    /// Whether the record passes the filter; every record does, unless a derived storage says
    /// otherwise.
    virtual bool accepts(const Record *record, const Trade::StorageFilter &filter) const;

private:
    friend class Record;
    /// The records as the library reads them.
    class View final : public Trade::Enumerable<Trade::IRecord *>
    {
    public:
        explicit View(const QVector<Trade::IRecord *> &records) : m_records(records) {}
        int size() const override { return int(m_records.size()); }
        bool empty() const override { return m_records.isEmpty(); }
        // An index out of range is reported and reads a null record.
        Trade::IRecord *const &value(int index) const override;

    private:
        const QVector<Trade::IRecord *> &m_records;
    };

    void announce(Trade::IStorage::ChangeEvent event, Record *record);
    /// Sends AboutToClear, then Removed for each record added meanwhile; false when the storage
    /// went meanwhile.
    bool announceClearing();
    /// Empties both lists first, then deletes the records that were in them.
    void dropAll();

    /// Two views of the same records, in step: as the library sees them and as the host owns them.
    QVector<Trade::IRecord *> m_records;
    QVector<Record *> m_owned;
    View m_view;
    /// While AboutToClear is heard: the records added meanwhile, which go before the others.
    QVector<Record *> *m_lateRecords = nullptr;
};

} // namespace Sample
