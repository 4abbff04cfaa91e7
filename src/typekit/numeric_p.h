// The numeric helpers that the value types share.
//
// Rounding is half away from zero (x >= 0 becomes x + 0.5, x < 0 becomes x - 0.5, then truncation
// toward zero). Doubles that do not fit the integer type saturate at its limits and NaN gives 0:
// a price of 1e300 or a tick size of 0 must not be undefined behaviour.
//
// Saved forms come from users' files: a text that reads as infinity or NaN, or as a number beyond
// the range of a double, is no number, so that a loaded value always equals itself and saves as it
// was read.
#pragma once

#include <QtCore/QString>
#include <QtCore/QtGlobal>
#include <QtCore/qnumeric.h>

#include <cmath>
#include <limits>
#include <optional>

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

// The order of two values of which one or both may have none, as the converters compare them: a
// value without one comes before any value, and two without are equal. Nothing when both have a
// value, which the caller then compares.
inline std::optional<int> orderOfMissingValues(bool leftHasValue, bool rightHasValue)
{
    if (leftHasValue && rightHasValue)
        return std::nullopt;
    return leftHasValue == rightHasValue ? 0 : (leftHasValue ? 1 : -1);
}

// -1, 0 or 1 as `a` is below `b`, within a double's epsilon of it, or above it: how the converters
// order prices, quantities, profits and average prices that both have a value.
inline int compareWithinEpsilon(double a, double b)
{
    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    if (std::fabs(a - b) <= epsilon)
        return 0;
    return b - a <= epsilon ? 1 : -1; // and -1 when either is NaN
}

// The text's finite number, stored in `number`; false (and `number` untouched) for any other text.
inline bool readSavedNumber(const QString &text, double *number)
{
    bool ok = false;
    const double read = text.toDouble(&ok);
    if (!ok || !std::isfinite(read))
        return false;
    *number = read;
    return true;
}

} // namespace detail

// Average prices within this of each other are equal. Set while the library loads, to
// detail::tenToTheMinusTen().
extern const double s_averagePriceEpsilon;

} // namespace Trade
