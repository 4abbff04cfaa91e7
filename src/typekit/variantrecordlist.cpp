#include "variantrecordlist.h"

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
    if (!left.isInit() || !right.isInit())
        return left.isInit() == right.isInit() ? 0 : (left.isInit() ? 1 : -1);
    if (holdsList(left) && holdsList(right))
        return left.strongValue<VariantRecordList>() == right.strongValue<VariantRecordList>() ? 0 : 1;
    TRADE_ASSERT(!"Compare with input value type is not implemented",
                 u"Trade::VariantRecordListConverter::compare", unit, this);
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
    // As saved: items that load as no record, or as an empty one, are left out.
    VariantRecordList list;
    for (const Dump &item : dump.asContainer().items()) {
        const VariantRecord record = Variant::load(item, context).heldOr(VariantRecord());
        if (!record.isEmpty())
            list.append(record);
    }
    return Variant::fromValue(list);
}

} // namespace Trade
