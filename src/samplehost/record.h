#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/record/irecord.h>

#include <controlkit/abstractnotifier.h>
#include <notifierkit/idisposable.h>

#include <QtCore/QObject>

namespace Sample {

class Storage;

/// A record object of the sample host's storages: its entries over one topic, a key, and the
/// notifier through which observers follow it. The storage that holds a record owns it.
///
///     Sample::Record *order = storage.add(std::make_unique<Sample::Record>(
///         QStringLiteral("A-1001"), topics.order().fields(), entries));   // the storage owns it
///     order->merge(update);                     // recordChanged, then the storage's Updated
///
/// Signals: recordChanged(Trade::IRecord*) after every change of the entries (an observer's
/// slot_recordChanged hears it), and disposed(Trade::IDisposable*) when the record goes.
class SAMPLEHOST_EXPORT Record : public QObject,
                                 public Trade::AbstractNotifier,
                                 public virtual Trade::IRecord,
                                 public virtual Trade::IDisposable
{
    Q_OBJECT

public:
    Record(const QString &key, const Trade::FieldSet &topicFields,
           const Trade::VariantRecord &entries = Trade::VariantRecord(), QObject *parent = nullptr);
    ~Record() override;

    QString key() const override { return m_key; }
    const Trade::VariantRecord &variantRecord() const override { return m_entries; }
    Trade::FieldSet topicFields() const override { return m_topicFields; }
    Trade::IStorage *storage() const override;
    quint64 revision() const override { return m_revision; }
    QDateTime lastModified() const override { return m_modified; }

    /// The host's writes: the changes win over the entries held (Trade::VariantRecord::merge).
    /// Each announces recordChanged, and, when a storage holds the record, the storage's Updated.
    void merge(const Trade::VariantRecord &changes);
    void setValue(Trade::IField *field, const Trade::Variant &value);

Q_SIGNALS:
    void recordChanged(Trade::IRecord *record);
    void disposed(Trade::IDisposable *object) const override;

private:
    friend class Storage;
    void changed();

    QString m_key;
    Trade::FieldSet m_topicFields;
    Trade::VariantRecord m_entries;
    Storage *m_storage = nullptr;
    quint64 m_revision = 0;
    QDateTime m_modified;
};

} // namespace Sample
