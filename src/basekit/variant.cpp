#include "variant.h"

#include "converterregistry_p.h"
#include "dump.h"
#include "iconverter.h"

#include <QtCore/QBitArray>

namespace Trade {

namespace {
// QVariant::userType() goes through an out-of-line call; the held type is at hand inline.
inline int heldTypeId(const QVariant &variant)
{
    return variant.data_ptr().typeId();
}

// The types without a converter that a saved text may name: plain values of QtCore, pointers,
// and types registered with a conversion from QString. Dumps come from users' files; other types
// (images, widgets, objects) are never constructed from them.
bool loadsFromText(const QMetaType &type)
{
    switch (type.id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
    case QMetaType::QUrl:
    case QMetaType::QUuid:
        return true;
    default:
        // Pointers (which load as null), and types that say how they are read from a text.
        return type.flags().testFlag(QMetaType::IsPointer)
               || QMetaType::hasRegisteredConverterFunction(QMetaType::fromType<QString>(), type);
    }
}

// Likewise QVariant::isValid().
inline bool holdsAny(const QVariant &variant)
{
    return variant.data_ptr().typeInterface() != nullptr;
}
} // namespace

bool Variant::holdsNull() const
{
    if (QVariant::isNull())  // empty, made null, or a null pointer
        return true;
    switch (heldTypeId(*this)) {
    case QMetaType::QString:
        return isNullValue(*static_cast<const QString *>(constData()));
    case QMetaType::QByteArray:
        return isNullValue(*static_cast<const QByteArray *>(constData()));
    case QMetaType::QChar:
        return isNullValue(*static_cast<const QChar *>(constData()));
    case QMetaType::QDate:
        return isNullValue(*static_cast<const QDate *>(constData()));
    case QMetaType::QTime:
        return isNullValue(*static_cast<const QTime *>(constData()));
    case QMetaType::QDateTime:
        return isNullValue(*static_cast<const QDateTime *>(constData()));
    case QMetaType::QBitArray:
        return static_cast<const QBitArray *>(constData())->isNull();
    default:
        return false;
    }
}

bool Variant::hasValue(int typeId) const
{
    if (holdsNull())
        return false;
    return heldTypeId(*this) == typeId || QMetaType::canConvert(metaType(), QMetaType(typeId));
}

Variant Variant::convert(int typeId, const Variant &context) const
{
    if (is(typeId))
        return *this;
    if (IConverter *target = ConverterRegistry::forType(typeId))
        return target->fromVariant(*this, context);
    Variant plain = *this;
    if (IConverter *own = ConverterRegistry::forType(heldTypeId(*this)))
        plain = own->toVariant(*this);
    if (plain.is(typeId))
        return plain;
    if (!plain.isValid())
        return Variant();
    QVariant converted = plain;
    if (converted.convert(QMetaType(typeId)))
        return converted;
    return Variant();
}

Dump Variant::save() const
{
    if (!isValid())
        return Dump(Dump::Atom());
    if (IConverter *converter = ConverterRegistry::forType(heldTypeId(*this)))
        return converter->save(*this);
    return Dump(Dump::Atom(QString::fromUtf8(typeName()), QVariant::toString()));
}

Variant Variant::load(const Dump &dump, const Variant &context)
{
    const QByteArray typeName = dump.typeName().toUtf8();
    if (IConverter *converter = ConverterRegistry::forTypeName(typeName))
        return converter->load(dump, context);
    if (dump.kind() != Dump::Kind::Atom || typeName.contains('\0'))
        return Variant();
    const QMetaType type = QMetaType::fromName(typeName);
    if (!type.isValid() || typeName != type.name() || !loadsFromText(type))
        return Variant();
    const QString &text = dump.asAtom().value();
    QVariant value(text);
    if (value.convert(type))
        return value;
    if (text.isEmpty())
        return QVariant(type);
    return Variant();
}

QString Variant::toString() const
{
    if (IConverter *converter = ConverterRegistry::forType(heldTypeId(*this)))
        return converter->toString(*this);
    return QVariant::toString();
}

bool operator==(const Variant &left, const Variant &right)
{
    const bool leftValid = holdsAny(left);
    const bool rightValid = holdsAny(right);
    if (!leftValid || !rightValid)
        return leftValid == rightValid;
    IConverter *converter = ConverterRegistry::forType(heldTypeId(left));
    if (!converter && heldTypeId(left) != heldTypeId(right))
        converter = ConverterRegistry::forType(heldTypeId(right));
    if (converter)
        return converter->compare(left, right) == 0;
    return static_cast<const QVariant &>(left) == static_cast<const QVariant &>(right);
}

} // namespace Trade
