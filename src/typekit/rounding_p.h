// The rounding of every value type: half away from zero (x >= 0 becomes x + 0.5, x < 0 becomes
// x - 0.5, then truncation toward zero). Doubles that do not fit the integer type saturate at its
// limits and NaN gives 0: a price of 1e300 or a tick size of 0 must not be undefined behaviour.
#pragma once

#include <QtCore/QtGlobal>
#include <QtCore/qnumeric.h>

#include <cmath>
#include <limits>

namespace Trade {
namespace detail {

template <typename Integer>
Integer truncateSaturating(double x)
{
    if (std::isnan(x))
        return 0;
    // The limits as doubles: max() + 1 is a power of two and exact, min() is exact.
    constexpr double upper = -double(std::numeric_limits<Integer>::min());
    constexpr double lower = double(std::numeric_limits<Integer>::min());
    if (x >= upper)
        return std::numeric_limits<Integer>::max();
    if (x <= lower)
        return std::numeric_limits<Integer>::min();
    return Integer(x);
}

template <typename Integer = qint64>
Integer roundHalfAwayFromZero(double x)
{
    return truncateSaturating<Integer>(x >= 0.0 ? x + 0.5 : x - 0.5);
}

// Tick arithmetic that stays at the 64-bit limits instead of overflowing.
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum;
    if (!qAddOverflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

inline qint64 saturatingSubtract(qint64 a, qint64 b)
{
    qint64 difference;
    if (!qSubOverflow(a, b, &difference))
        return difference;
    return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

// 1 / 10^10, 10 raised to the tenth power by repeated squaring: the tolerance of prices without a
// symbol, of profits and of average prices.
inline double tenToTheMinusTen()
{
    static const double epsilon = [] {
        const double p2 = 10.0 * 10.0;
        const double p4 = p2 * p2;
        const double p8 = p4 * p4;
        return 1.0 / (p8 * p2);
    }();
    return epsilon;
}

} // namespace detail
} // namespace Trade
