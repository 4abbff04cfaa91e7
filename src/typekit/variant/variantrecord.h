#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/fieldset.h>
#include <typekit/variant/ifield.h>
#include <typekit/variant/irecorddata.h>

#include <basekit/iconverter.h>

class QDebug;

namespace Trade {

/// One record of the host's data (an order, a symbol, a spread leg): a map from field descriptors
/// to values.
///
/// The entries lie in one implicitly shared array sorted by field address: a lookup is a binary
/// search, a copy costs one atomic increment, and the first write to a shared copy gives it an
/// array of its own. The record itself is one pointer; an empty record allocates nothing.
class TYPEKIT_EXPORT VariantRecord
{
public:
    VariantRecord() noexcept : m_data(nullptr) {}
    VariantRecord(const VariantRecord &other) noexcept;
    VariantRecord(VariantRecord &&other) noexcept : m_data(other.m_data) { other.m_data = nullptr; }
    /// The entries of any record object, field by field.
    explicit VariantRecord(const IRecordData *data);
    ~VariantRecord();
    VariantRecord &operator=(const VariantRecord &other) noexcept;
    VariantRecord &operator=(VariantRecord &&other) noexcept;

    int size() const;
    bool isEmpty() const { return size() == 0; }
    bool contains(IField *field) const;
    /// An entry whose variant holds a value of exactly the field's value type that is not null.
    bool hasValue(IField *field) const;
    /// The stored variant. A field without an entry reports and gives an empty variant that lives
    /// as long as the library.
    const Variant &rawValue(IField *field) const;
    /// A copy of the stored variant, or of the default when there is no entry.
    Variant value(IField *field, const Variant &defaultValue) const;
    /// The stored variant, or null when there is no entry; silent.
    const Variant *stored(IField *field) const;
    /// The stored value when it is exactly a T (no conversion), else the fallback; silent.
    template <typename T>
    T heldOr(IField *field, const T &fallback) const
    {
        const Variant *value = stored(field);
        return value ? value->heldOr(fallback) : fallback;
    }
    /// The fields of all entries, in ascending field address.
    QList<IField *> fields() const;

    /// The value converted to the field's value type.
    Variant convert(IField *field, const Variant &context) const;
    /// Every value converted to its field's value type. With a context that holds a symbol, the
    /// symbol-bound values (prices, quantities, profits, average prices) are made anew on it.
    VariantRecord convert(const Variant &context) const;

    /// Equal maps: the same fields with equal values (an entry holding an empty variant counts).
    bool operator==(const VariantRecord &other) const;
    bool operator!=(const VariantRecord &other) const { return !(*this == other); }
    bool operator==(const IRecordData *other) const;
    bool operator!=(const IRecordData *other) const { return !(*this == other); }

    /// The union of both records; where both hold a field, the other's value wins (an empty
    /// variant too).
    VariantRecord merge(const VariantRecord &other) const;
    /// The entries whose field is not in `fields`.
    VariantRecord remove(const FieldSet &fields) const;
    /// The entries whose field is in `fields`.
    VariantRecord extract(const FieldSet &fields) const;
    /// The entries that hold a value of their field's value type.
    VariantRecord validValues() const;

    /// The saved form: a container of "field" and "value" structs, one per entry.
    Dump dump() const;

    /// Stores the value, creating the entry when needed (an empty variant is stored too). A null
    /// field has no entry to keep: the call changes nothing.
    void setValue(IField *field, const Variant &value);
    /// Removes the field's entry, if any.
    void remove(IField *field);
    void clear();

private:
    struct Entry;
    class Data;

    const Entry *begin() const;
    const Entry *end() const;
    const Entry *find(IField *field) const;
    void appendSorted(IField *field, const Variant &value);

    Data *m_data;
};

TYPEKIT_EXPORT bool operator==(const IRecordData *left, const VariantRecord &right);
TYPEKIT_EXPORT bool operator!=(const IRecordData *left, const VariantRecord &right);

/// Lets a record travel in a variant, be saved and be loaded back. Fields are saved through the
/// converter of "Trade::IField*", which the host registers; without one, a saved record loads
/// back empty.
class TYPEKIT_EXPORT VariantRecordConverter : public StubConverterImpl
{
public:
    Variant fromVariant(const Variant &value, const Variant &context) override;
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::VariantRecord(Order.Id: "A-1", ...), by field identifier.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const VariantRecord &record);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::VariantRecord)
