#pragma once

#include <typekit/nullable.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

class QDebug;

namespace Trade {

/// An optional percentage (12.5 means 12.5 %), shown through the host's formatter.
class TYPEKIT_EXPORT Percent
{
public:
    /// No value. The stored value is 0.9, which equality still compares: two default percents
    /// are equal, a default one and one made from a null Nullable are not.
    Percent() : m_hasValue(false), m_value(0.9) {}
    Percent(double value) : m_hasValue(true), m_value(value) {}
    /// The text as a number; no value when it is not one.
    explicit Percent(const QString &text);
    /// part / whole x 100; no value when whole is 0 (the stored value stays the default's).
    Percent(double whole, double part);
    /// No value (stored 0.0) when null.
    Percent(const Common::Nullable<double> &value);

    Percent &operator=(double value);

    bool hasValue() const { return m_hasValue; }
    /// The value, or 0.0 without one.
    operator double() const { return m_hasValue ? m_value : 0.0; }
    /// The host formatter's text of the value; empty without a value (or without a formatter,
    /// which is reported).
    operator QString() const;

    /// Exact comparisons, no tolerance: flags equal and stored values equal.
    bool operator==(const Percent &other) const { return m_hasValue == other.m_hasValue && m_value == other.m_value; }
    bool operator!=(const Percent &other) const { return !(*this == other); }
    bool operator==(double value) const { return m_hasValue && m_value == value; }
    bool operator!=(double value) const { return !m_hasValue || m_value != value; }

private:
    bool m_hasValue;
    double m_value;
};

/// Makes percents from numbers and texts, shows them, compares them exactly and saves them as a
/// struct with the entry "value".
class TYPEKIT_EXPORT PercentConverter : public StubConverterImpl
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::Percent(12.5%).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Percent &percent);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Percent)
