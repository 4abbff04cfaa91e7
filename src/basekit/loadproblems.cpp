#include "loadproblems.h"

#include <algorithm>

namespace Trade {

namespace {
thread_local LoadProblems *t_innermost = nullptr;
} // namespace

LoadProblem::Reference LoadProblem::referenceOf(Kind kind, QStringView typeName)
{
    if (kind == UnknownField)
        return FieldReference;
    if (kind != UnresolvedReference && kind != SubstitutedReference)
        return NoReference;
    static const struct
    {
        QStringView typeName;
        Reference reference;
    } references[] = {
        {u"Trade::ISymbol*", SymbolReference},
        {u"Trade::IAccount*", AccountReference},
        {u"Trade::IField*", FieldReference},
        {u"Trade::IExitStrategyTemplate*", ExitStrategyTemplateReference},
        {u"Trade::IStopStrategyTemplate*", StopStrategyTemplateReference},
    };
    for (const auto &entry : references) {
        if (entry.typeName == typeName)
            return entry.reference;
    }
    return OtherReference;
}

LoadProblems::LoadProblems() : m_outer(t_innermost)
{
    t_innermost = this;
}

LoadProblems::~LoadProblems()
{
    // Collectors end in the reverse order of their making, as scopes do.
    t_innermost = m_outer;
}

bool LoadProblems::add(LoadProblem problem)
{
    if (problem.reference == LoadProblem::NoReference)
        problem.reference = LoadProblem::referenceOf(problem.kind, problem.typeName);
    if (!t_innermost)
        return true;
    QVector<LoadProblem> &problems = t_innermost->m_problems;
    const bool known = std::any_of(problems.cbegin(), problems.cend(), [&problem](const LoadProblem &other) {
        return other.kind == problem.kind && other.typeName == problem.typeName && other.key == problem.key
               && other.substitute == problem.substitute;
    });
    if (!known)
        problems.append(problem);
    return !known;
}

bool LoadProblems::add(LoadProblem::Kind kind, const QString &typeName, const QString &key, const QString &message,
                       const Dump &saved)
{
    LoadProblem problem;
    problem.kind = kind;
    problem.typeName = typeName;
    problem.key = key;
    problem.message = message;
    problem.saved = saved;
    return add(problem);
}

} // namespace Trade
