#pragma once

#include <samplehost/record.h>
#include <samplehost/samplehost_export.h>

#include <typekit/storage/istorage.h>

#include <controlkit/abstractnotifier.h>
#include <notifierkit/idisposable.h>

#include <QtCore/QObject>
#include <QtCore/QVector>

#include <memory>
#include <vector>

namespace Sample {

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

    /// Takes the record over and announces it (Added). Gives the record, or null when it is gone
    /// by the time the announcement returns (an observer removed it, or deleted the storage), and
    /// for null. A record that another storage holds stays with it: that is reported, and the
    /// pointer let go without deleting the record.
    Record *add(std::unique_ptr<Record> record);
    /// Merges the changes into the record it holds.
    void update(Record *record, const Trade::VariantRecord &changes);
    /// Lets the record go and hands it back to the caller; null when the storage does not hold it.
    Record *take(Record *record);
    void remove(Record *record);
    /// Replaces all records by these (AboutToClear, then Reset); records another storage holds
    /// stay with it, as with add().
    void reset(std::vector<std::unique_ptr<Record>> records);
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
    /// Takes the record into both lists; false (the pointer let go or empty) when it is null or
    /// another storage's, which `function` reports.
    bool adopt(std::unique_ptr<Record> &record, QStringView function);
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

/// The records for Storage::reset(), in this order: reset(Sample::records(std::move(a), std::move(b))).
template <typename... Records>
std::vector<std::unique_ptr<Record>> records(std::unique_ptr<Records>... each)
{
    std::vector<std::unique_ptr<Record>> made;
    made.reserve(sizeof...(each));
    (made.push_back(std::move(each)), ...);
    return made;
}

} // namespace Sample
