/// \class Trade::LoadProblems
/// What a load could not make of a saved form: text that is no saved form, a type that nothing
/// loads, a field the host does not know, a symbol or account that is no longer alive.
///
/// Converters meet these problems deep inside a load and cannot return them, so they hand them to
/// the collectors alive on their thread. The loads that take a list of problems
/// (Variant::fromJson, Variant::loadJsonFile, the typed records' fromJson) make a collector for
/// the load; a caller can make one around any other load:
///
///     Trade::LoadProblems problems;
///     const Trade::Variant order = Trade::Variant::load(dump, context);
///     for (const Trade::LoadProblem &problem : problems.problems())
///         qWarning() << problem.message;
///
/// Collectors nest: a problem goes to the innermost one alive, so that a converter can look at
/// the problems of a part it loads and say in its own words what they mean for the whole.
#pragma once

#include <basekit/basekit_export.h>

#include <QtCore/QString>
#include <QtCore/QVector>

namespace Trade {

/// One thing a load could not do: what kind of problem, the saved type and key it met, and a
/// message for the user.
struct BASEKIT_EXPORT LoadProblem
{
    enum Kind {
        MalformedText = 1,        // the text is no saved form (the message says where and why)
        UnreadableFile = 2,       // the file could not be read
        UnknownType = 3,          // a saved type that nothing in this process loads
        UnknownField = 4,         // a record's field that no installed topic has
        UnresolvedReference = 5,  // a host object (symbol, account, ...) saved by a key that finds none
    };

    Kind kind = MalformedText;
    QString typeName;  // the saved type, "Trade::ISymbol*" say; empty for text and files
    QString key;       // what was saved: a symbol's name, a field's identifier, a type's name
    QString message;   // for people

    friend bool operator==(const LoadProblem &l, const LoadProblem &r)
    {
        return l.kind == r.kind && l.typeName == r.typeName && l.key == r.key && l.message == r.message;
    }
};

class BASEKIT_EXPORT LoadProblems
{
public:
    LoadProblems();
    ~LoadProblems();
    LoadProblems(const LoadProblems &) = delete;
    LoadProblems &operator=(const LoadProblems &) = delete;

    const QVector<LoadProblem> &problems() const { return m_problems; }
    bool isEmpty() const { return m_problems.isEmpty(); }

    /// Hands a problem to the innermost collector alive on this thread; nothing without one.
    static void add(const LoadProblem &problem);
    static void add(LoadProblem::Kind kind, const QString &typeName, const QString &key, const QString &message);

private:
    QVector<LoadProblem> m_problems;
    LoadProblems *m_outer;
};

} // namespace Trade
