#pragma once

#include <typekit/container.h> // first: it declares the record and position types exported
#include <typekit/typekit_export.h>
#include <typekit/variant/fieldset.h>
#include <typekit/variant/variantrecord.h>

#include <notifierkit/inotifier.h>

#include <QtCore/QDateTime>
#include <QtCore/QMetaType>

namespace Trade {

class IStorage;

/// A record object kept in one of the host's storages: an order, a position, a log entry. It is a
/// notifier, so that observers can follow the one record they care about, and it hands out its
/// entries as a variant record keyed by the fields of its topic.
///
/// The host implements the interface; the library reads the entries (VariantRecordList) and
/// subscribes observers to records (StorageRecordsSubscriptionHolder). Which signals a record has
/// is the host's business: the sample host's records announce recordChanged(Trade::IRecord*) and
/// disposed(Trade::IDisposable*).
class TYPEKIT_EXPORT IRecord : public virtual INotifier
{
public:
    /// The record's identity in its storage (an order's id, a position's account and symbol); it
    /// does not change while the record lives.
    virtual QString key() const = 0;
    /// The entries, keyed by the fields of the record's topic.
    virtual const VariantRecord &variantRecord() const = 0;
    /// Every field of the record's topic, also those the record holds no entry for; views build
    /// their columns from it.
    virtual FieldSet topicFields() const = 0;
    /// The storage that holds the record; null once the storage has let it go.
    virtual IStorage *storage() const = 0;
    /// Grows by one with every change of the entries, so that a view can tell a stale copy.
    virtual quint64 revision() const = 0;
    /// When the entries last changed (or the record was made).
    virtual QDateTime lastModified() const = 0;

    ~IRecord() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IRecord *)
