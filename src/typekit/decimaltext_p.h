// Plain decimal texts read exactly: the companions of the described text parses (which read a
// double first and divide it by an inexact tick size or multiply it by a lot size) that round the
// decimal text itself.
#pragma once

#include <QtCore/QStringView>
#include <QtCore/QtGlobal>

#include <limits>
#include <optional>

namespace Trade {
namespace detail {

#if defined(__SIZEOF_INT128__)
#define TRADE_HAVE_EXACT_DECIMALS 1
__extension__ typedef __int128 Wide; // __extension__: a GCC and Clang type

// A plain C-locale decimal ("-12.345", "+0.5", ".25", "7."; spaces around it allowed; no grouping,
// no exponent) as digits over a power of ten. At most 27 significant digits and 27 decimals, so
// that their products with a tick's or lot's int figures stay within 128 bits.
struct DecimalText
{
    Wide digits = 0; // signed
    int scale = 0;   // the value is digits / 10^scale
};

inline std::optional<DecimalText> readDecimal(QStringView text)
{
    text = text.trimmed();
    DecimalText decimal;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    bool point = false;
    int digits = 0;
    int significant = 0;
    for (const QChar c : text) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ++digits;
        if (decimal.digits == 0 && c == u'0') {
            if (point)
                ++decimal.scale; // leading zeros of the fraction only move the point
            continue;
        }
        if (++significant > 27)
            return std::nullopt;
        decimal.digits = decimal.digits * 10 + (c.unicode() - u'0');
        if (point)
            ++decimal.scale;
    }
    if (digits == 0 || decimal.scale > 27)
        return std::nullopt;
    if (negative)
        decimal.digits = -decimal.digits;
    return decimal;
}

inline Wide powerOfTen(int exponent)
{
    Wide power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// numerator / denominator (denominator > 0) rounded half away from zero, saturated to qint64.
inline qint64 roundedQuotient(Wide numerator, Wide denominator)
{
    const bool negative = numerator < 0;
    const Wide magnitude = negative ? -numerator : numerator;
    Wide quotient = magnitude / denominator;
    if ((magnitude % denominator) * 2 >= denominator)
        ++quotient;
    if (quotient > Wide(std::numeric_limits<qint64>::max()))
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -qint64(quotient) : qint64(quotient);
}

// numerator / denominator (denominator > 0) as the nearest double: the whole part and the
// remainder's fraction, each exact where a double can hold it.
inline double quotientAsDouble(Wide numerator, Wide denominator)
{
    const Wide whole = numerator / denominator;
    const Wide rest = numerator % denominator;
    return double(whole) + double(rest) / double(denominator);
}
#endif

} // namespace detail
} // namespace Trade
