#include "spreadleg.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <cmath>
#include <limits>

namespace Common {
// Within the double epsilon of zero.
inline bool zero(double value)
{
    return std::fabs(value) <= std::numeric_limits<double>::epsilon();
}
} // namespace Common

namespace Trade {

namespace {
constexpr QStringView unit = u"symbol/spreadleg";
constexpr double epsilon = std::numeric_limits<double>::epsilon();
} // namespace

SpreadLeg::SpreadLeg(ISymbol *symbol, double multiplier) : m_symbol(symbol), m_multiplier(multiplier)
{
    TRADE_ASSERT_BARE(symbol != NULL, u"Trade::SpreadLeg::SpreadLeg", unit, this);
    TRADE_ASSERT_BARE(!Common::zero(multiplier), u"Trade::SpreadLeg::SpreadLeg", unit, this);
}

SpreadLeg::SpreadLeg(const SpreadLeg &other) : m_symbol(other.m_symbol), m_multiplier(other.m_multiplier)
{
    TRADE_ASSERT_BARE(m_symbol != NULL, u"Trade::SpreadLeg::SpreadLeg", unit, this);
}

bool SpreadLeg::isPositive() const
{
    return m_multiplier - 0 > epsilon;
}

bool SpreadLeg::operator==(const SpreadLeg &other) const
{
    return m_symbol == other.m_symbol && std::fabs(m_multiplier - other.m_multiplier) <= epsilon;
}

bool SpreadLeg::operator<(const SpreadLeg &other) const
{
    if (m_symbol != other.m_symbol)
        return quintptr(m_symbol) < quintptr(other.m_symbol);
    return other.m_multiplier - m_multiplier > epsilon;
}

const SpreadLeg &SpreadLegs::legBySymbol(const ISymbol *symbol) const
{
    for (const SpreadLeg &leg : *this) {
        if (leg.symbol() == symbol)
            return leg;
    }
    static const SpreadLeg none;
    return none;
}

} // namespace Trade
