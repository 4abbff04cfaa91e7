#pragma once

#include <basekit/basekit_export.h>
#include <basekit/dump.h>

#include <QtCore/QString>
#include <QtCore/QVector>

namespace Trade {

/// One thing a load could not do: what kind of problem, what the saved reference was to, the
/// saved type and key it met, a message for the user, and the saved form of what did not load
/// (so that a caller can write it back instead of the null that the value holds now).
struct BASEKIT_EXPORT LoadProblem
{
    enum Kind {
        MalformedText = 1,        // the text is no saved form (the message says where and why)
        UnreadableFile = 2,       // the file could not be read
        UnknownType = 3,          // a saved type that nothing in this process loads
        UnknownField = 4,         // a record's field that no installed topic has
        UnresolvedReference = 5,  // a host object (symbol, account, ...) saved by a key that finds none
        SubstitutedReference = 6, // the same, and the host put another object in its place
                                  // (`substitute` is that object's key)
    };

    /// What a reference problem (UnknownField, UnresolvedReference, SubstitutedReference) was a
    /// reference to, told by the saved type: "Trade::ISymbol*", "Trade::IAccount*",
    /// "Trade::IField*" (and any unknown field), "Trade::IExitStrategyTemplate*",
    /// "Trade::IStopStrategyTemplate*"; OtherReference for other host objects; NoReference for
    /// the problems of texts, files and types.
    enum Reference {
        NoReference = 0,
        SymbolReference = 1,
        AccountReference = 2,
        FieldReference = 3,
        ExitStrategyTemplateReference = 4,
        StopStrategyTemplateReference = 5,
        OtherReference = 6,
    };

    Kind kind = MalformedText;
    QString typeName; // the saved type, "Trade::ISymbol*" say; empty for text and files
    QString key;      // what was saved: a symbol's name, a field's identifier, a type's name
    QString message;  // for people
    Reference reference = NoReference;
    QString substitute; // SubstitutedReference: the key of the object used instead
    Dump saved;         // the saved form that did not load (null for text and files)

    /// The reference kind of a problem of that kind with that saved type.
    static Reference referenceOf(Kind kind, QStringView typeName);

    friend bool operator==(const LoadProblem &l, const LoadProblem &r)
    {
        return l.kind == r.kind && l.typeName == r.typeName && l.key == r.key && l.message == r.message
               && l.reference == r.reference && l.substitute == r.substitute && l.saved == r.saved;
    }
    friend bool operator!=(const LoadProblem &l, const LoadProblem &r) { return !(l == r); }
};

/// How the loads that take a list of problems treat a problem: a lenient load gives what it
/// could make (a record keeps the entry of a reference that did not load, with no value); a
/// strict one gives nothing at all (an empty variant or record) when any problem was met. The
/// problems are listed either way.
enum class LoadMode { Lenient, Strict };

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
    /// A problem that collector has already (the same kind, type, key and substitute: one
    /// reference that several values of a record load) is not added again. The reference kind
    /// is filled in from the type when the problem has none. True when the problem is new (or
    /// there is no collector), so that the caller logs it once per load.
    static bool add(LoadProblem problem);
    static bool add(LoadProblem::Kind kind, const QString &typeName, const QString &key, const QString &message,
                    const Dump &saved = Dump());

private:
    QVector<LoadProblem> m_problems;
    LoadProblems *m_outer;
};

} // namespace Trade
