#include "variant.h"

#include "converterregistry_p.h"
#include "dump.h"
#include "iconverter.h"
#include "loadproblems.h"

#include <QtCore/QBitArray>
#include <QtCore/QFile>
#include <QtCore/QSaveFile>
#include <QtCore/QStringList>

#include <limits>

namespace Trade {

namespace {
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

// The saved text of a value of a type without a converter: Qt's own text, except where that
// does not read back. Characters are written as their numbers and byte arrays in Base64.
QString plainText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Char:
        return QString::number(int(*static_cast<const char *>(value.constData())));
    case QMetaType::SChar:
        return QString::number(int(*static_cast<const signed char *>(value.constData())));
    case QMetaType::UChar:
        return QString::number(int(*static_cast<const uchar *>(value.constData())));
    case QMetaType::QByteArray:
        return QString::fromLatin1(static_cast<const QByteArray *>(value.constData())->toBase64());
    default:
        return value.toString();
    }
}

// A character type from its number; an empty variant when the text is no number in its range.
template <typename C>
QVariant characterFromText(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < int(std::numeric_limits<C>::min()) || number > int(std::numeric_limits<C>::max()))
        return QVariant();
    return QVariant::fromValue(C(number));
}

// Reads back what plainText() wrote. A null text (no value) is the type's null or default value,
// and so is an empty one for every type but QString, whose empty text is a value.
QVariant fromPlainText(const QMetaType &type, const QString &text)
{
    if (text.isNull() || (text.isEmpty() && type.id() != QMetaType::QString))
        return QVariant(type);
    switch (type.id()) {
    case QMetaType::Char:
        return characterFromText<char>(text);
    case QMetaType::SChar:
        return characterFromText<signed char>(text);
    case QMetaType::UChar:
        return characterFromText<uchar>(text);
    case QMetaType::QChar:
        return text.size() == 1 ? QVariant(text.front()) : QVariant();
    case QMetaType::QByteArray: {
        const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        return decoded ? QVariant(*decoded) : QVariant();
    }
    default: {
        QVariant value(text);
        return value.convert(type) ? value : QVariant();
    }
    }
}
} // namespace

bool Variant::holdsNull() const
{
    if (QVariant::isNull()) // empty, made null, or a null pointer
        return true;
    switch (QVariant::typeId()) {
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
    return QVariant::typeId() == typeId && !holdsNull();
}

Variant Variant::convert(int typeId, const Variant &context) const
{
    if (is(typeId)) {
        if (context.isValid()) {
            IConverter *own = ConverterRegistry::forType(typeId);
            const auto *rebasing = dynamic_cast<const IRebasingConverter *>(own);
            if (rebasing && rebasing->rebasesOn(context))
                return own->fromVariant(*this, context);
        }
        return *this;
    }
    if (IConverter *target = ConverterRegistry::forType(typeId))
        return target->fromVariant(*this, context);
    Variant plain = *this;
    if (IConverter *own = ConverterRegistry::forType(QVariant::typeId()))
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
    const int typeId = QVariant::typeId();
    if (IConverter *converter = ConverterRegistry::forType(typeId))
        return converter->save(*this);
    const QString typeText = QString::fromUtf8(typeName());
    if (typeId == QMetaType::QStringList) {
        Dump::Container list(typeText);
        for (const QString &item : *static_cast<const QStringList *>(constData()))
            list.append(Dump(Dump::Atom(QStringLiteral("QString"), item)));
        return Dump(list);
    }
    return Dump(Dump::Atom(typeText, plainText(*this)));
}

Variant Variant::load(const Dump &dump, const Variant &context)
{
    const QByteArray typeName = dump.typeName().toUtf8();
    if (IConverter *converter = ConverterRegistry::forTypeName(typeName))
        return converter->load(dump, context);
    const QMetaType type = QMetaType::fromName(typeName);
    if (!type.isValid() || typeName != type.name()) {
        if (!typeName.isEmpty())
            LoadProblems::add(LoadProblem::UnknownType, dump.typeName(), dump.typeName(),
                              QStringLiteral("no type \"%1\" is known here").arg(dump.typeName()), dump);
        return Variant();
    }
    if (dump.kind() == Dump::Kind::Container && type.id() == QMetaType::QStringList) {
        QStringList list;
        for (const Dump &item : dump.asContainer().items()) {
            if (item.kind() != Dump::Kind::Atom)
                return Variant();
            list << item.asAtom().value();
        }
        return QVariant(list);
    }
    if (dump.kind() != Dump::Kind::Atom || !loadsFromText(type))
        return Variant();
    return fromPlainText(type, dump.asAtom().value());
}

QString Variant::toJson() const
{
    return save().toJsonIndented();
}

Variant Variant::fromJson(const QString &json, const Variant &context, QVector<LoadProblem> *problems, LoadMode mode)
{
    LoadProblems collected;
    QString error;
    const Dump dump = Dump::fromJson(json, &error);
    Variant value;
    if (dump.isNull() && !error.isEmpty())
        LoadProblems::add(LoadProblem::MalformedText, QString(), QString(), error);
    else
        value = load(dump, context);
    if (problems)
        *problems += collected.problems();
    return mode == LoadMode::Strict && !collected.isEmpty() ? Variant() : value;
}

bool Variant::saveJsonFile(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray text = toJson().toUtf8();
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}

Variant Variant::loadJsonFile(const QString &path, const Variant &context, QVector<LoadProblem> *problems,
                              LoadMode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems) {
            LoadProblem unreadable;
            unreadable.kind = LoadProblem::UnreadableFile;
            unreadable.key = path;
            unreadable.message = QStringLiteral("%1: %2").arg(path, file.errorString());
            problems->append(unreadable);
        }
        return Variant();
    }
    return fromJson(QString::fromUtf8(file.readAll()), context, problems, mode);
}

QString Variant::toString() const
{
    if (IConverter *converter = ConverterRegistry::forType(QVariant::typeId()))
        return converter->toString(*this);
    return QVariant::toString();
}

int Variant::order(const Variant &left, const Variant &right)
{
    const bool leftValid = left.isValid();
    const bool rightValid = right.isValid();
    if (!leftValid || !rightValid)
        return int(leftValid) - int(rightValid);
    IConverter *converter = ConverterRegistry::forType(left.typeId());
    if (!converter && left.typeId() != right.typeId())
        converter = ConverterRegistry::forType(right.typeId());
    if (converter)
        return converter->compare(left, right);
    if (left.typeId() == QMetaType::QString && right.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(static_cast<const QVariant &>(left).toString(),
                                           static_cast<const QVariant &>(right).toString());
    const QPartialOrdering ordering = QVariant::compare(left, right);
    return ordering == QPartialOrdering::Less ? -1 : ordering == QPartialOrdering::Greater ? 1 : 0;
}

bool operator==(const Variant &left, const Variant &right)
{
    const bool leftValid = left.isValid();
    const bool rightValid = right.isValid();
    if (!leftValid || !rightValid)
        return leftValid == rightValid;
    IConverter *converter = ConverterRegistry::forType(left.typeId());
    if (!converter && left.typeId() != right.typeId())
        converter = ConverterRegistry::forType(right.typeId());
    if (converter)
        return converter->compare(left, right) == 0;
    return static_cast<const QVariant &>(left) == static_cast<const QVariant &>(right);
}

} // namespace Trade
