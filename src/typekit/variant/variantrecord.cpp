#include "variantrecord.h"

#include <basekit/loadproblems.h>

#include <algorithm>
#include <atomic>
#include <new>

namespace Trade {

namespace {
constexpr QStringView unit = u"variant/variantrecord";
} // namespace

struct VariantRecord::Entry
{
    IField *field;
    Variant value;
};

// The shared array: a reference count, the size and capacity, then the entries, all in one
// allocation.
class VariantRecord::Data
{
public:
    std::atomic<int> ref;
    int size;
    int capacity;

    static std::size_t entriesOffset() { return (sizeof(Data) + alignof(Entry) - 1) / alignof(Entry) * alignof(Entry); }

    static Data *create(int capacity)
    {
        void *memory = ::operator new(entriesOffset() + std::size_t(capacity) * sizeof(Entry));
        return new (memory) Data{{1}, 0, capacity};
    }

    static Data *clone(const Data *source, int capacity)
    {
        Data *copy = create(std::max(capacity, source->size));
        std::uninitialized_copy(source->begin(), source->end(), copy->begin());
        copy->size = source->size;
        return copy;
    }

    static void release(Data *data)
    {
        if (data && data->ref.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            std::destroy(data->begin(), data->end());
            data->~Data();
            ::operator delete(data);
        }
    }

    Entry *begin() { return reinterpret_cast<Entry *>(reinterpret_cast<char *>(this) + entriesOffset()); }
    const Entry *begin() const
    {
        return reinterpret_cast<const Entry *>(reinterpret_cast<const char *>(this) + entriesOffset());
    }
    Entry *end() { return begin() + size; }
    const Entry *end() const { return begin() + size; }
    bool isShared() const { return ref.load(std::memory_order_acquire) != 1; }

    // An array of this record's own with room for `capacity` entries: `data` itself when it is
    // unshared and large enough, else a copy (shared) or a move (unshared) into a new one.
    static Data *detached(Data *data, int capacity)
    {
        if (!data)
            return create(std::max(capacity, 4));
        if (!data->isShared() && data->capacity >= capacity)
            return data;
        if (data->isShared()) {
            Data *copy = clone(data, capacity);
            release(data); // the other copies keep the old array
            return copy;
        }
        Data *grown = create(capacity);
        std::uninitialized_move(data->begin(), data->end(), grown->begin());
        grown->size = data->size;
        release(data);
        return grown;
    }

    // Appends an entry whose field sorts after every entry already here; capacity must allow it.
    void append(IField *field, const Variant &value)
    {
        new (end()) Entry{field, value};
        ++size;
    }
};

namespace {

// Entries are ordered by field address, compared as unsigned integers.
bool fieldBefore(const IField *left, const IField *right)
{
    return reinterpret_cast<quintptr>(left) < reinterpret_cast<quintptr>(right);
}

// The first entry whose field is not below `field`. Branch-free, so that lookups cost the same
// whichever field is asked for.
template <typename Entry>
Entry *lowerBound(Entry *begin, Entry *end, IField *field)
{
    std::size_t count = std::size_t(end - begin);
    if (count == 0)
        return begin;
    Entry *base = begin;
    while (count > 1) {
        const std::size_t half = count / 2;
        base = fieldBefore(base[half - 1].field, field) ? base + half : base;
        count -= half;
    }
    return base + (fieldBefore(base->field, field) ? 1 : 0);
}

const Variant &emptyVariant()
{
    static const Variant empty;
    return empty;
}

} // namespace

VariantRecord::VariantRecord(const VariantRecord &other) noexcept : m_data(other.m_data)
{
    if (m_data)
        m_data->ref.fetch_add(1, std::memory_order_relaxed);
}

VariantRecord::VariantRecord(const IRecordData *data) : m_data(nullptr)
{
    TRADE_ASSERT(data != NULL, u"Trade::VariantRecord::VariantRecord", unit, this);
    if (!data)
        return;
    for (IField *field : data->fields())
        setValue(field, data->rawValue(field));
}

VariantRecord::~VariantRecord()
{
    Data::release(m_data);
}

VariantRecord &VariantRecord::operator=(const VariantRecord &other) noexcept
{
    if (other.m_data)
        other.m_data->ref.fetch_add(1, std::memory_order_relaxed);
    Data::release(m_data);
    m_data = other.m_data;
    return *this;
}

VariantRecord &VariantRecord::operator=(VariantRecord &&other) noexcept
{
    std::swap(m_data, other.m_data);
    return *this;
}

const VariantRecord::Entry *VariantRecord::begin() const
{
    return m_data ? m_data->begin() : nullptr;
}

const VariantRecord::Entry *VariantRecord::end() const
{
    return m_data ? m_data->end() : nullptr;
}

const VariantRecord::Entry *VariantRecord::find(IField *field) const
{
    if (!m_data)
        return nullptr;
    const Entry *found = lowerBound(m_data->begin(), m_data->end(), field);
    return found != m_data->end() && found->field == field ? found : nullptr;
}

int VariantRecord::size() const
{
    return m_data ? m_data->size : 0;
}

bool VariantRecord::contains(IField *field) const
{
    return find(field) != nullptr;
}

bool VariantRecord::hasValue(IField *field) const
{
    const Entry *entry = find(field);
    return entry && entry->value.hasValue(field->valueType());
}

const Variant &VariantRecord::rawValue(IField *field) const
{
    const Entry *entry = find(field);
    TRADE_ASSERT_AS(entry, u"it != m_data.end()", u"Trade::VariantRecord::rawValue", unit, this)
        << "Key specified does not exist."
        << " Field=\"" << (field ? field->id() : QString()) << "\"";
    return entry ? entry->value : emptyVariant();
}

const Variant *VariantRecord::stored(IField *field) const
{
    const Entry *entry = find(field);
    return entry ? &entry->value : nullptr;
}

Variant VariantRecord::value(IField *field, const Variant &defaultValue) const
{
    const Entry *entry = find(field);
    return entry ? entry->value : defaultValue;
}

QList<IField *> VariantRecord::fields() const
{
    QList<IField *> result;
    result.reserve(size());
    for (const Entry *entry = begin(); entry != end(); ++entry)
        result.append(entry->field);
    return result;
}

Variant VariantRecord::convert(IField *field, const Variant &context) const
{
    TRADE_ASSERT(field != NULL, u"Trade::VariantRecord::convert", unit, this);
    if (!field)
        return Variant();
    return value(field, Variant()).convert(field->valueType(), context);
}

VariantRecord VariantRecord::convert(const Variant &context) const
{
    VariantRecord result;
    for (const Entry *entry = begin(); entry != end(); ++entry)
        result.appendSorted(entry->field, convert(entry->field, context));
    return result;
}

bool VariantRecord::operator==(const VariantRecord &other) const
{
    if (size() != other.size())
        return false;
    if (m_data == other.m_data || size() == 0)
        return true;
    for (int i = m_data->size - 1; i >= 0; --i) {
        const Entry &mine = m_data->begin()[i];
        const Entry &theirs = other.m_data->begin()[i];
        if (mine.field != theirs.field || !(mine.value == theirs.value))
            return false;
    }
    return true;
}

bool VariantRecord::operator==(const IRecordData *other) const
{
    TRADE_ASSERT(other != NULL, u"Trade::VariantRecord::operator ==", unit, this);
    if (!other)
        return isEmpty();
    if (size() != other->size())
        return false;
    for (const Entry *entry = begin(); entry != end(); ++entry) {
        if (!other->contains(entry->field) || !(other->rawValue(entry->field) == entry->value))
            return false;
    }
    return true;
}

bool operator==(const IRecordData *left, const VariantRecord &right)
{
    return right == left;
}

bool operator!=(const IRecordData *left, const VariantRecord &right)
{
    return right != left;
}

VariantRecord VariantRecord::merge(const VariantRecord &other) const
{
    if (other.isEmpty())
        return *this;
    if (isEmpty())
        return other;
    // Both arrays are sorted: one pass, taking the other's entry where both hold a field.
    VariantRecord result;
    result.m_data = Data::create(size() + other.size());
    const Entry *mine = m_data->begin();
    const Entry *const mineEnd = m_data->end();
    const Entry *theirs = other.m_data->begin();
    const Entry *const theirsEnd = other.m_data->end();
    Entry *out = result.m_data->begin();
    while (mine != mineEnd && theirs != theirsEnd) {
        if (fieldBefore(mine->field, theirs->field)) {
            new (out++) Entry(*mine++);
        } else {
            if (mine->field == theirs->field)
                ++mine;
            new (out++) Entry(*theirs++);
        }
    }
    out = std::uninitialized_copy(mine, mineEnd, out);
    out = std::uninitialized_copy(theirs, theirsEnd, out);
    result.m_data->size = int(out - result.m_data->begin());
    return result;
}

VariantRecord VariantRecord::remove(const FieldSet &fields) const
{
    VariantRecord result;
    for (const Entry *entry = begin(); entry != end(); ++entry) {
        if (!fields.contains(entry->field))
            result.appendSorted(entry->field, entry->value);
    }
    return result;
}

VariantRecord VariantRecord::extract(const FieldSet &fields) const
{
    VariantRecord result;
    for (const Entry *entry = begin(); entry != end(); ++entry) {
        if (fields.contains(entry->field))
            result.appendSorted(entry->field, entry->value);
    }
    return result;
}

VariantRecord VariantRecord::validValues() const
{
    VariantRecord result;
    for (const Entry *entry = begin(); entry != end(); ++entry) {
        if (entry->value.hasValue(entry->field->valueType()))
            result.appendSorted(entry->field, entry->value);
    }
    return result;
}

Dump VariantRecord::dump() const
{
    return Variant::fromValue(*this).save();
}

void VariantRecord::appendSorted(IField *field, const Variant &value)
{
    const int size = this->size();
    if (!m_data || m_data->size == m_data->capacity)
        m_data = Data::detached(m_data, std::max(4, size * 2));
    m_data->append(field, value);
}

void VariantRecord::setValue(IField *field, const Variant &value)
{
    TRADE_ASSERT(field != NULL, u"Trade::VariantRecord::setValue", unit, this);
    if (!field)
        return;
    Entry *found = m_data ? lowerBound(m_data->begin(), m_data->end(), field) : nullptr;
    const int index = m_data ? int(found - m_data->begin()) : 0;
    if (m_data && found != m_data->end() && found->field == field) {
        // When the array is shared, the other copies keep the old one, and `value` with it.
        m_data = Data::detached(m_data, m_data->size);
        m_data->begin()[index].value = value;
        return;
    }
    // Insert at `index`; `value` may live in this record's array, so it is copied first.
    Variant inserted(value);
    const int size = this->size();
    m_data = Data::detached(m_data, m_data && size == m_data->capacity ? size * 2 : std::max(size + 1, 4));
    Entry *entries = m_data->begin();
    if (index == size) {
        new (entries + size) Entry{field, std::move(inserted)};
    } else {
        new (entries + size) Entry(std::move(entries[size - 1]));
        std::move_backward(entries + index, entries + size - 1, entries + size);
        entries[index].field = field;
        entries[index].value = std::move(inserted);
    }
    ++m_data->size;
}

void VariantRecord::remove(IField *field)
{
    TRADE_ASSERT(field != NULL, u"Trade::VariantRecord::remove", unit, this);
    const Entry *found = find(field);
    if (!found)
        return;
    const int index = int(found - m_data->begin());
    if (m_data->size == 1) {
        clear();
        return;
    }
    m_data = Data::detached(m_data, m_data->size);
    Entry *entries = m_data->begin();
    std::move(entries + index + 1, entries + m_data->size, entries + index);
    std::destroy_at(entries + m_data->size - 1);
    --m_data->size;
}

void VariantRecord::clear()
{
    Data::release(m_data);
    m_data = nullptr;
}

Variant VariantRecordConverter::fromVariant(const Variant &value, const Variant &)
{
    if (value.is(qMetaTypeId<VariantRecord>()))
        return value;
    TRADE_ASSERT(false && "Unexpected situation", u"Trade::VariantRecordConverter::fromVariant", unit, this);
    return Variant();
}

Dump VariantRecordConverter::save(const Variant &value)
{
    const VariantRecord record = value.valueOr(VariantRecord());
    Dump::Container saved(QString::fromUtf8(value.typeName()));
    for (IField *field : record.fields()) {
        Dump::Struct entry{QString()};
        entry.insert(QStringLiteral("field"), Variant::fromValue(field).save());
        entry.insert(QStringLiteral("value"), record.rawValue(field).save());
        saved.append(Dump(entry));
    }
    return Dump(saved);
}

Variant VariantRecordConverter::load(const Dump &dump, const Variant &context)
{
    VariantRecord record;
    for (const Dump &item : dump.asContainer().items()) {
        const Dump::Struct &entry = item.asStruct();
        const Dump savedField = entry.member(QStringLiteral("field"));
        IField *field = nullptr;
        {
            // What the field's own load says is said here as an unknown field of the record.
            LoadProblems fieldProblems;
            field = Variant::load(savedField, Variant()).valueOr<IField *>(nullptr);
        }
        if (!field) {
            const QString id = savedField.kind() == Dump::Kind::Atom ? savedField.asAtom().value() : QString();
            LoadProblems::add(LoadProblem::UnknownField, savedField.typeName(), id,
                              QStringLiteral("no field \"%1\" is known here; its value is left out").arg(id), item);
            continue;
        }
        record.setValue(field, Variant::load(entry.member(QStringLiteral("value")), context));
    }
    return Variant::fromValue(record);
}

} // namespace Trade
