#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/ifield.h>

#include <QtCore/QList>
#include <QtCore/QVector>

#include <algorithm>

namespace Trade {

/// An ordered collection of field descriptors with set operations: which fields to take out of a
/// record or keep, which fields hold values of a type, which field has a name or an identifier.
///
/// Members keep the order in which they were added. The set operations never add a repeat; the
/// constructors and the inherited vector operations take a sequence as it is, repeats included.
/// Membership is pointer identity.
class TYPEKIT_EXPORT FieldSet : public QVector<IField *>
{
public:
    FieldSet() = default;
    FieldSet(const QVector<IField *> &fields) : QVector<IField *>(fields) {}
    FieldSet(std::initializer_list<IField *> fields) : QVector<IField *>(fields) {}

    /// Adds the field unless it is a member already.
    FieldSet &operator+=(IField *const field);
    FieldSet &operator<<(IField *const field) { return *this += field; }
    FieldSet operator+(IField *const field) const { return FieldSet(*this) += field; }
    /// Removes the first occurrence of the field, if any.
    FieldSet &operator-=(IField *const field);
    FieldSet operator-(IField *const field) const { return FieldSet(*this) -= field; }
    /// Moves a member to the front; a field that is not a member is not added.
    void moveToBegin(IField *field);

    /// Union: this set's members first, then the other's new members in the other's order.
    FieldSet &operator+=(const FieldSet &other);
    FieldSet &operator<<(const FieldSet &other) { return *this += other; }
    FieldSet &operator|=(const FieldSet &other) { return *this += other; }
    FieldSet operator+(const FieldSet &other) const { return FieldSet(*this) += other; }
    FieldSet operator|(const FieldSet &other) const { return FieldSet(*this) += other; }
    /// Removes one occurrence per member of the other set.
    FieldSet &operator-=(const FieldSet &other);
    FieldSet operator-(const FieldSet &other) const { return FieldSet(*this) -= other; }
    /// Intersection, in this set's order.
    FieldSet &operator&=(const FieldSet &other);
    FieldSet operator&(const FieldSet &other) const { return FieldSet(*this) &= other; }

    FieldSet fieldsByValueType(int typeId) const;
    IField *fieldByName(const QString &name) const;
    IField *fieldById(const QString &id) const;
    /// Every member is a member of the other set, and the other set is not shorter than this one.
    bool isSubsetOf(const FieldSet &other) const;

    /// The same fields in the same order. (Qt 6.4's own comparison of pointer vectors hands
    /// memcmp a null pointer when both are empty.)
    bool operator==(const FieldSet &other) const
    {
        return size() == other.size() && std::equal(cbegin(), cend(), other.cbegin());
    }
    bool operator!=(const FieldSet &other) const { return !(*this == other); }
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::FieldSet)
