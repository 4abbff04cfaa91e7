#include "fieldset.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <algorithm>

namespace Trade {

namespace {
bool isMember(const QVector<IField *> &set, IField *field)
{
    return std::find(set.crbegin(), set.crend(), field) != set.crend();
}
} // namespace

FieldSet &FieldSet::operator+=(IField *const field)
{
    // A null field is no field: a set never holds one, so lookups by id or name never meet it.
    TRADE_ASSERT(field != NULL, u"Trade::FieldSet::operator +=", u"variant/fieldset", this);
    if (field && !isMember(*this, field))
        append(field);
    return *this;
}

FieldSet &FieldSet::operator-=(IField *const field)
{
    removeOne(field);
    return *this;
}

void FieldSet::moveToBegin(IField *field)
{
    if (removeOne(field))
        prepend(field);
}

FieldSet &FieldSet::operator+=(const FieldSet &other)
{
    for (IField *field : other)
        *this += field;
    return *this;
}

FieldSet &FieldSet::operator-=(const FieldSet &other)
{
    for (IField *field : other)
        removeOne(field);
    return *this;
}

FieldSet &FieldSet::operator&=(const FieldSet &other)
{
    const FieldSet snapshot = *this;
    for (IField *field : snapshot) {
        if (!isMember(other, field))
            removeOne(field);
    }
    return *this;
}

FieldSet FieldSet::fieldsByValueType(int typeId) const
{
    FieldSet result;
    for (IField *field : *this) {
        if (field && field->valueType() == typeId)
            result += field;
    }
    return result;
}

IField *FieldSet::fieldByName(const QString &name) const
{
    const auto found = std::find_if(cbegin(), cend(), [&](IField *field) { return field && field->name() == name; });
    return found == cend() ? nullptr : *found;
}

IField *FieldSet::fieldById(const QString &id) const
{
    const auto found = std::find_if(cbegin(), cend(), [&](IField *field) { return field && field->id() == id; });
    return found == cend() ? nullptr : *found;
}

bool FieldSet::isSubsetOf(const FieldSet &other) const
{
    if (other.size() < size())
        return false;
    return std::all_of(cbegin(), cend(), [&](IField *field) { return isMember(other, field); });
}

} // namespace Trade
