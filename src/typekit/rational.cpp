#include "rational.h"

#include <cmath>
#include <limits>

namespace Trade {

namespace {
void add(Common::Nullable<double> &part, double x)
{
    part = part.isNull() ? x : part.value() + x;
}
} // namespace

void Rational::addNumerator(double x)
{
    add(m_numerator, x);
}

void Rational::addDenominator(double x)
{
    add(m_denominator, x);
}

Common::Nullable<double> Rational::valueAsPercentage() const
{
    if (m_numerator.isNull() || m_denominator.isNull()
        || std::fabs(m_denominator.value()) <= std::numeric_limits<double>::epsilon())
        return Common::Nullable<double>();
    return m_numerator.value() / m_denominator.value() * 100.0;
}

} // namespace Trade
