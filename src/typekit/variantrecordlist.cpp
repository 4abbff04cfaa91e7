#include "variantrecordlist.h"

#include <typekit/numeric_p.h>
#include <typekit/storage/istorage.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"variantrecordlist";

bool holdsList(const Variant &value)
{
    return value.is(qMetaTypeId<VariantRecordList>());
}

} // namespace

VariantRecordList::VariantRecordList(const IStorage *storage)
{
    TRADE_ASSERT(storage != NULL, u"Trade::VariantRecordList::VariantRecordList", unit, this);
    if (!storage)
        return;
    const Enumerable<IRecord *> &records = storage->records();
    const int count = records.size();
    reserve(count);
    for (int i = 0; i < count; ++i) {
        // Appended straight from the reference: one shared copy of the entries, no temporary.
        if (const IRecord *record = records.value(i))
            append(record->variantRecord());
        else
            append(VariantRecord());
    }
}

Dump VariantRecordList::dump() const
{
    return Variant::fromValue(*this).save();
}

namespace {

// The plain form of a list is the list itself; other values do not convert.
Variant listOrNothing(const Variant &value, QStringView function, const void *converter)
{
    if (!value.isInit())
        return Variant();
    if (holdsList(value))
        return value;
    TRADE_ASSERT(!"Conversion from input value type is not implemented", function, unit, converter);
    return Variant();
}

} // namespace

Variant VariantRecordListConverter::fromVariant(const Variant &value, const Variant &)
{
    return listOrNothing(value, u"Trade::VariantRecordListConverter::fromVariant", this);
}

Variant VariantRecordListConverter::toVariant(const Variant &value)
{
    return listOrNothing(value, u"Trade::VariantRecordListConverter::toVariant", this);
}

int VariantRecordListConverter::compare(const Variant &left, const Variant &right) const
{
    if (const auto order = detail::orderOfMissingValues(left.isInit(), right.isInit()))
        return *order;
    if (holdsList(left) && holdsList(right))
        return left.strongValue<VariantRecordList>() == right.strongValue<VariantRecordList>() ? 0 : 1;
    TRADE_ASSERT(!"Compare with input value type is not implemented", u"Trade::VariantRecordListConverter::compare",
                 unit, this);
    return holdsList(left) ? 1 : -1;
}

Dump VariantRecordListConverter::save(const Variant &value)
{
    const VariantRecordList list = value.valueOr(VariantRecordList());
    Dump::Container saved(QString::fromUtf8(value.typeName()));
    for (const VariantRecord &record : list) {
        if (!record.isEmpty())
            saved.append(Variant::fromValue(record).save());
    }
    return Dump(saved);
}

Variant VariantRecordListConverter::load(const Dump &dump, const Variant &context)
{
    // Every item is taken: one that does not load as a record is an empty record. Saving leaves
    // empty records out, so the saved form settles after one round.
    VariantRecordList list;
    for (const Dump &item : dump.asContainer().items())
        list.append(Variant::load(item, context).valueOr(VariantRecord()));
    return Variant::fromValue(list);
}

} // namespace Trade
