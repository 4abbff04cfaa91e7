#include "record.h"

#include <samplehost/storage.h>

#include <QtCore/QPointer>

namespace Sample {

Record::Record(const QString &key, const Trade::FieldSet &topicFields, const Trade::VariantRecord &entries,
               QObject *parent)
    : QObject(parent), m_key(key), m_topicFields(topicFields), m_entries(entries),
      m_modified(QDateTime::currentDateTimeUtc())
{
}

Record::~Record()
{
    Q_EMIT disposed(this);
}

Trade::IStorage *Record::storage() const
{
    return m_storage;
}

void Record::merge(const Trade::VariantRecord &changes)
{
    m_entries = m_entries.merge(changes);
    changed();
}

void Record::setValue(Trade::IField *field, const Trade::Variant &value)
{
    m_entries.setValue(field, value);
    changed();
}

void Record::changed()
{
    ++m_revision;
    m_modified = QDateTime::currentDateTimeUtc();
    // An observer may remove the record from its storage, or delete it, while it hears this.
    const QPointer<Record> alive(this);
    Q_EMIT recordChanged(this);
    if (alive && m_storage)
        m_storage->announce(Trade::IStorage::Updated, this);
}

} // namespace Sample
