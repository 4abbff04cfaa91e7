#include "dump.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QJsonParseError>

#include <variant>

namespace Trade {

struct Dump::Node
{
    std::variant<Atom, Struct, Container> value;
};

namespace {

constexpr QLatin1String typeKey("type");
constexpr QLatin1String valueKey("value");
constexpr QLatin1String membersKey("members");
constexpr QLatin1String itemsKey("items");

QJsonObject toJsonObject(const Dump &dump)
{
    QJsonObject object;
    switch (dump.kind()) {
    case Dump::Kind::Null:
        break;
    case Dump::Kind::Atom:
        object.insert(typeKey, dump.asAtom().typeName());
        // A null text (no value) is written as null, so that it reads back apart from "".
        object.insert(valueKey, dump.asAtom().value().isNull() ? QJsonValue(QJsonValue::Null)
                                                               : QJsonValue(dump.asAtom().value()));
        break;
    case Dump::Kind::Struct: {
        const Dump::Struct &structure = dump.asStruct();
        QJsonObject members;
        for (const QString &name : structure.memberNames())
            members.insert(name, toJsonObject(structure.member(name)));
        object.insert(typeKey, structure.typeName());
        object.insert(membersKey, members);
        break;
    }
    case Dump::Kind::Container: {
        QJsonArray items;
        for (const Dump &item : dump.asContainer().items())
            items.append(toJsonObject(item));
        object.insert(typeKey, dump.asContainer().typeName());
        object.insert(itemsKey, items);
        break;
    }
    }
    return object;
}

// Turns the JSON form back into a dump; on the first problem sets `error` (with the JSON path of
// the offending node) and gives up.
class JsonReader
{
public:
    QString error;

    Dump read(const QJsonValue &json, const QString &path, int depth)
    {
        if (depth > Dump::maxJsonDepth)
            return fail(path, QStringLiteral("nested deeper than %1 levels").arg(Dump::maxJsonDepth));
        if (!json.isObject())
            return fail(path, QStringLiteral("a dump must be a JSON object"));
        const QJsonObject object = json.toObject();
        if (object.isEmpty())
            return Dump();

        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() != typeKey && it.key() != valueKey && it.key() != membersKey && it.key() != itemsKey)
                return fail(path, QStringLiteral("unexpected key \"%1\"").arg(it.key()));
        }
        const int bodies =
            int(object.contains(valueKey)) + int(object.contains(membersKey)) + int(object.contains(itemsKey));
        if (bodies != 1)
            return fail(path, QStringLiteral("exactly one of \"value\", \"members\" and \"items\" "
                                             "must be present"));
        const QJsonValue type = object.value(typeKey);
        if (!type.isString())
            return fail(path, QStringLiteral("\"type\" must be a string"));
        const QString typeName = type.toString();

        if (object.contains(valueKey)) {
            const QJsonValue value = object.value(valueKey);
            if (value.isNull())
                return Dump(Dump::Atom(typeName, QString()));
            if (!value.isString())
                return fail(path, QStringLiteral("\"value\" must be a string or null"));
            return Dump(Dump::Atom(typeName, value.toString()));
        }
        if (object.contains(membersKey)) {
            const QJsonValue members = object.value(membersKey);
            if (!members.isObject())
                return fail(path, QStringLiteral("\"members\" must be an object"));
            Dump::Struct structure(typeName);
            const QJsonObject memberObject = members.toObject();
            for (auto it = memberObject.begin(); it != memberObject.end(); ++it) {
                const Dump member = read(it.value(), path + QLatin1Char('/') + it.key(), depth + 1);
                if (!error.isEmpty())
                    return Dump();
                structure.insert(it.key(), member);
            }
            return Dump(structure);
        }
        const QJsonValue items = object.value(itemsKey);
        if (!items.isArray())
            return fail(path, QStringLiteral("\"items\" must be an array"));
        Dump::Container container(typeName);
        const QJsonArray array = items.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const Dump item = read(array.at(i), path + QLatin1Char('/') + QString::number(i), depth + 1);
            if (!error.isEmpty())
                return Dump();
            container.append(item);
        }
        return Dump(container);
    }

private:
    Dump fail(const QString &path, const QString &what)
    {
        error = QStringLiteral("%1: %2").arg(path.isEmpty() ? QStringLiteral("/") : path, what);
        return Dump();
    }
};

} // namespace

Dump::Dump() = default;
Dump::Dump(const Atom &atom) : d(std::make_shared<Node>(Node{atom}))
{
}
Dump::Dump(const Struct &structure) : d(std::make_shared<Node>(Node{structure}))
{
}
Dump::Dump(const Container &container) : d(std::make_shared<Node>(Node{container}))
{
}

Dump::Kind Dump::kind() const
{
    if (!d)
        return Kind::Null;
    return Kind(d->value.index() + 1);
}

const Dump::Atom &Dump::asAtom() const
{
    static const Atom empty;
    const Atom *atom = d ? std::get_if<Atom>(&d->value) : nullptr;
    return atom ? *atom : empty;
}

const Dump::Struct &Dump::asStruct() const
{
    static const Struct empty;
    const Struct *structure = d ? std::get_if<Struct>(&d->value) : nullptr;
    return structure ? *structure : empty;
}

const Dump::Container &Dump::asContainer() const
{
    static const Container empty;
    const Container *container = d ? std::get_if<Container>(&d->value) : nullptr;
    return container ? *container : empty;
}

QString Dump::typeName() const
{
    switch (kind()) {
    case Kind::Null:
        return QString();
    case Kind::Atom:
        return asAtom().typeName();
    case Kind::Struct:
        return asStruct().typeName();
    case Kind::Container:
        return asContainer().typeName();
    }
    return QString();
}

QString Dump::toJsonIndented() const
{
    return QString::fromUtf8(QJsonDocument(toJsonObject(*this)).toJson(QJsonDocument::Indented));
}

Dump Dump::fromJson(const QString &text, QString *errorMessage)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    JsonReader reader;
    Dump dump;
    if (parseError.error != QJsonParseError::NoError) {
        reader.error = QStringLiteral("offset %1: %2").arg(parseError.offset).arg(parseError.errorString());
    } else if (!document.isObject()) {
        reader.error = QStringLiteral("/: a dump must be a JSON object");
    } else {
        dump = reader.read(document.object(), QString(), 1);
    }
    if (errorMessage)
        *errorMessage = reader.error;
    return reader.error.isEmpty() ? dump : Dump();
}

bool operator==(const Dump &left, const Dump &right)
{
    if (left.d == right.d)
        return true;
    if (!left.d || !right.d)
        return false;
    return left.d->value == right.d->value;
}

Dump::Struct &Dump::Struct::insert(const QString &name, const Dump &value)
{
    m_members.insert(name, value);
    return *this;
}

Dump::Container &Dump::Container::append(const Dump &item)
{
    m_items.append(item);
    return *this;
}

} // namespace Trade
