#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QtGlobal>

#include <cstring>

class QDebug;

namespace Common {

/// An optional value, as host interfaces and statistics return them.
///
/// Nullable<double> keeps the size of a double: its null state is the bit pattern with all 64 bits
/// set (a quiet NaN), and every other pattern, other NaNs included, is a value.
template <typename T>
class Nullable
{
public:
    Nullable() : m_value(), m_hasValue(false) {}
    Nullable(const T &value) : m_value(value), m_hasValue(true) {}

    bool hasValue() const { return m_hasValue; }
    bool isNull() const { return !m_hasValue; }
    /// The value; a default T when null.
    const T &value() const { return m_value; }
    operator T() const { return m_value; }

private:
    T m_value;
    bool m_hasValue;
};

/// A double that may have no value, in the size of a double: no value is the bit pattern with
/// all 64 bits set; every other pattern, other NaNs included, is a value.
template <>
class Nullable<double>
{
public:
    Nullable() : m_value(nullValue()) {}
    Nullable(double value) : m_value(value) {}

    bool hasValue() const { return !isNull(); }
    bool isNull() const
    {
        quint64 bits;
        std::memcpy(&bits, &m_value, sizeof bits);
        return bits == ~quint64(0);
    }
    /// The double; the null pattern (a NaN) when null.
    double value() const { return m_value; }
    operator double() const { return m_value; }

    static double nullValue()
    {
        const quint64 bits = ~quint64(0);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    double m_value;
};

/// For logs and failing comparisons: Common::Nullable(2.5), Common::Nullable(no value).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Nullable<double> &value);

} // namespace Common
