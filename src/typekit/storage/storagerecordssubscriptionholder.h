#pragma once

#include <typekit/storage/istorage.h>
#include <typekit/typekit_export.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>

namespace Trade {

/// Keeps one observer subscribed to every record of a storage while records come and go.
///
///     Trade::StorageRecordsSubscriptionHolder holder(orders, view);
///
/// The holder subscribes itself to the storage's signals; on each storageChanged it subscribes
/// the observer to the records that came (Reset: all of them; Added: the one) and unsubscribes it
/// from those that go (Removed: the one; AboutToClear: all of them). Updates need nothing. The
/// observer is subscribed with Common::INotifier::subscribe(observer), so it hears every signal of
/// a record for which it has a conventional "slot_" slot. Destroying the holder unsubscribes the
/// observer from every record the storage still holds.
///
/// Neither the storage nor the observer is owned. The holder learns of their end through a
/// QPointer to each (Qt clears it when the object's QObject part goes): once the storage is gone
/// the holder never touches it again, and its destruction does nothing; once the observer is gone
/// there is nothing left to subscribe. A walk over the storage re-reads its size at every step,
/// starts again when it hears of a record removed meanwhile (so that no record is skipped), and
/// stops when a subscription call has taken the storage, the observer or the holder away: a
/// storage that changes, or goes, while the holder walks it is safe.
///
/// A null storage or observer is reported when the holder is made; such a holder does nothing.
class TYPEKIT_EXPORT StorageRecordsSubscriptionHolder : public QObject
{
    Q_OBJECT

public:
    StorageRecordsSubscriptionHolder(IStorage *storage, QObject *subscriber);
    ~StorageRecordsSubscriptionHolder() override;

    /// The storage while it lives (a storage is a QObject: it signals); null once it has gone.
    IStorage *storage() const { return m_storageObject ? m_storage : nullptr; }
    /// The observer while it lives; null once it has gone.
    QObject *subscriber() const { return m_subscriber; }

private Q_SLOTS:
    void slot_storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record, Trade::IStorage *storage);

private:
    enum class Walk { Subscribe, Unsubscribe };
    void walk(IStorage *storage, Walk walk);

    IStorage *m_storage;
    QPointer<QObject> m_subscriber;
    /// The storage's QObject part, to know whether m_storage still lives.
    QPointer<QObject> m_storageObject;
    /// Removed events heard; a walk that sees the count change starts again.
    int m_removals = 0;
};

} // namespace Trade
