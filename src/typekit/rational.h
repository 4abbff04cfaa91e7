#pragma once

#include <typekit/nullable.h>
#include <typekit/typekit_export.h>

class QDebug;

namespace Trade {

/// Sums a numerator and a denominator separately and gives their ratio as a percentage, as
/// statistics accumulate them (profitable trades of all trades, and the like).
class TYPEKIT_EXPORT Rational
{
public:
    Rational() = default;

    /// A null part becomes x; otherwise x is added.
    void addNumerator(double x);
    void addDenominator(double x);

    const Common::Nullable<double> &numerator() const { return m_numerator; }
    const Common::Nullable<double> &denominator() const { return m_denominator; }

    /// numerator / denominator x 100; null while either part is null or the denominator is
    /// within the double epsilon of 0.
    Common::Nullable<double> valueAsPercentage() const;

private:
    Common::Nullable<double> m_numerator;
    Common::Nullable<double> m_denominator;
};

/// For logs and failing comparisons: Trade::Rational(1 / 4).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Rational &rational);

} // namespace Trade
