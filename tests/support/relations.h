// The comparison operators that hold between two values, as "!= < <=": with a tolerance, or with values
// that have none, these are no total order, so a test names each one that holds.
#pragma once

#include <QStringList>

#include <type_traits>
#include <vector>

template <typename T, typename = void>
constexpr bool hasFullOrdering = false; // a type with only ==, != and < answers those three
template <typename T>
constexpr bool hasFullOrdering<T, std::void_t<decltype(std::declval<T>() >= std::declval<T>())>> = true;

template <typename T>
QString relations(const T &l, const T &r)
{
    std::vector<std::pair<bool, const char *>> all{{l == r, "=="}, {l != r, "!="}, {l < r, "<"}};
    if constexpr (hasFullOrdering<T>)
        all.insert(all.end(), {{l <= r, "<="}, {l > r, ">"}, {l >= r, ">="}});
    QStringList holding;
    for (const auto &[holds, name] : all) {
        if (holds)
            holding << QString::fromLatin1(name);
    }
    return holding.join(u' ');
}
