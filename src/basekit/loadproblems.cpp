#include "loadproblems.h"

namespace Trade {

namespace {
thread_local LoadProblems *t_innermost = nullptr;
} // namespace

LoadProblems::LoadProblems() : m_outer(t_innermost)
{
    t_innermost = this;
}

LoadProblems::~LoadProblems()
{
    // Collectors end in the reverse order of their making, as scopes do.
    t_innermost = m_outer;
}

void LoadProblems::add(const LoadProblem &problem)
{
    if (t_innermost)
        t_innermost->m_problems.append(problem);
}

void LoadProblems::add(LoadProblem::Kind kind, const QString &typeName, const QString &key, const QString &message)
{
    add(LoadProblem{kind, typeName, key, message});
}

} // namespace Trade
