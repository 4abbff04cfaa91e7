#pragma once

#include <basekit/basekit_export.h>

#include <QtCore/QMap>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <memory>

namespace Trade {

/// The structured saved form of values and records: a tree of atoms (a type text and a value
/// text), structs (a type text and named members) and containers (a type text and a list).
/// Dumps are what values become when they are saved with a layout, and they print as indented
/// JSON for reports and files. Copies are cheap: nodes are shared and never changed in place.
class BASEKIT_EXPORT Dump
{
public:
    class Atom;
    class Struct;
    class Container;

    enum class Kind { Null, Atom, Struct, Container };

    /// A null dump: the saved form of nothing, also what a failed parse gives.
    Dump();
    Dump(const Atom &atom);
    Dump(const Struct &structure);
    Dump(const Container &container);

    Kind kind() const;
    bool isNull() const { return kind() == Kind::Null; }

    /// The node of its kind; a dump of another kind gives an empty node of the asked kind.
    const Atom &asAtom() const;
    const Struct &asStruct() const;
    const Container &asContainer() const;

    /// The type text of whichever node this is (empty for a null dump).
    QString typeName() const;

    /// JSON, indented: an atom is {"type": ..., "value": ...} (the value null when the text is a
    /// null QString, the saved form of no value, and a string otherwise, "" included), a struct
    /// {"type": ..., "members": {...}}, a container {"type": ..., "items": [...]}, a null dump {}.
    QString toJsonIndented() const;

    /// Reads back what toJsonIndented() wrote. Text that is not such a dump (malformed JSON,
    /// unknown keys, values of the wrong JSON type, nesting deeper than maxJsonDepth) gives a null
    /// dump and, when errorMessage is given, a message saying where and what went wrong.
    static Dump fromJson(const QString &text, QString *errorMessage = nullptr);
    static constexpr int maxJsonDepth = 128;

    friend BASEKIT_EXPORT bool operator==(const Dump &left, const Dump &right);
    friend bool operator!=(const Dump &left, const Dump &right) { return !(left == right); }

private:
    struct Node;
    std::shared_ptr<const Node> d;
};

/// A leaf of a dump: a value as text under its type name.
class BASEKIT_EXPORT Dump::Atom
{
public:
    Atom() = default;
    Atom(const QString &typeName, const QString &value) : m_typeName(typeName), m_value(value) {}

    const QString &typeName() const { return m_typeName; }
    const QString &value() const { return m_value; }

    friend bool operator==(const Atom &l, const Atom &r)
    {
        return l.m_typeName == r.m_typeName && l.m_value == r.m_value;
    }
    friend bool operator!=(const Atom &l, const Atom &r) { return !(l == r); }

private:
    QString m_typeName;
    QString m_value;
};

/// A dump of named members under a type name, such as a record or a level.
class BASEKIT_EXPORT Dump::Struct
{
public:
    Struct() = default;
    explicit Struct(const QString &typeName) : m_typeName(typeName) {}

    const QString &typeName() const { return m_typeName; }

    /// Sets a member; a later insert under the same name replaces the earlier one.
    Struct &insert(const QString &name, const Dump &value);
    bool contains(const QString &name) const { return m_members.contains(name); }
    /// The member of that name, a null dump when there is none.
    Dump member(const QString &name) const { return m_members.value(name); }
    QStringList memberNames() const { return m_members.keys(); }
    int size() const { return int(m_members.size()); }

    friend bool operator==(const Struct &l, const Struct &r)
    {
        return l.m_typeName == r.m_typeName && l.m_members == r.m_members;
    }
    friend bool operator!=(const Struct &l, const Struct &r) { return !(l == r); }

private:
    QString m_typeName;
    QMap<QString, Dump> m_members;
};

/// A dump of items in order under a type name, such as a list of levels or records.
class BASEKIT_EXPORT Dump::Container
{
public:
    Container() = default;
    explicit Container(const QString &typeName) : m_typeName(typeName) {}

    const QString &typeName() const { return m_typeName; }

    Container &append(const Dump &item);
    const QVector<Dump> &items() const { return m_items; }
    int size() const { return int(m_items.size()); }

    friend bool operator==(const Container &l, const Container &r)
    {
        return l.m_typeName == r.m_typeName && l.m_items == r.m_items;
    }
    friend bool operator!=(const Container &l, const Container &r) { return !(l == r); }

private:
    QString m_typeName;
    QVector<Dump> m_items;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Dump)
