#include "averageprice.h"

#include <typekit/numeric_p.h>

#include <cmath>
#include <limits>

namespace Trade {

namespace {
constexpr QStringView unit = u"averageprice";
} // namespace

AveragePrice::AveragePrice(ISymbol *symbol) : AveragePrice()
{
    setSymbol(symbol);
}

AveragePrice::AveragePrice(double value, ISymbol *symbol) : m_hasValue(true), m_value(value), m_symbol(nullptr)
{
    setSymbol(symbol);
}

double AveragePrice::value() const
{
    TRADE_ASSERT(hasValue() && "average price has no value", u"Trade::AveragePrice::value", unit, this);
    TRADE_ASSERT(hasSymbol() && "average price has no valid symbol", u"Trade::AveragePrice::value", unit, this);
    return multiplier() * m_value;
}

QString AveragePrice::toString() const
{
    if (!m_hasValue)
        return QString();
    if (m_symbol)
        return m_symbol->formatAveragePrice(value());
    return QString::number(m_value, 'g', 6);
}

Price AveragePrice::toPrice() const
{
    return m_hasValue ? Price(value(), m_symbol) : Price(m_symbol);
}

void AveragePrice::clear()
{
    m_hasValue = false;
    m_value = 0.0;
    m_symbol = nullptr;
}

void AveragePrice::setValue(double value)
{
    TRADE_ASSERT(hasSymbol() && "average price has no valid symbol", u"Trade::AveragePrice::setValue", unit, this);
    m_value = value / multiplier();
    m_hasValue = true;
}

void AveragePrice::setRawNonScaledValue(double value)
{
    m_value = value;
    m_hasValue = true;
}

void AveragePrice::setSymbol(ISymbol *symbol)
{
    TRADE_ASSERT(symbol != 0, u"Trade::AveragePrice::setSymbol", unit, this);
    m_symbol = symbol;
}

AveragePrice &AveragePrice::operator+=(double value)
{
    setValue(this->value() + value);
    return *this;
}

AveragePrice &AveragePrice::operator-=(double value)
{
    setValue(this->value() - value);
    return *this;
}

AveragePrice AveragePrice::operator+(double value) const
{
    return AveragePrice(*this) += value;
}

AveragePrice AveragePrice::operator-(double value) const
{
    return AveragePrice(*this) -= value;
}

AveragePrice &AveragePrice::operator+=(const AveragePrice &price)
{
    TRADE_ASSERT(isCompatible(price) && "incompatible price", u"Trade::AveragePrice::operator +=", unit, this);
    setValue(value() + price.value());
    return *this;
}

AveragePrice &AveragePrice::operator-=(const AveragePrice &other)
{
    return *this += -other;
}

AveragePrice AveragePrice::operator+(const AveragePrice &other) const
{
    return AveragePrice(*this) += other;
}

AveragePrice AveragePrice::operator-(const AveragePrice &other) const
{
    return AveragePrice(*this) -= other;
}

AveragePrice AveragePrice::operator-() const
{
    AveragePrice negated = *this;
    negated.m_value = -m_value;
    return negated;
}

bool AveragePrice::operator==(const AveragePrice &other) const
{
    if (hasSymbol() != other.hasSymbol() || m_hasValue != other.m_hasValue)
        return false;
    if (!m_hasValue || !hasSymbol())
        return true;
    return std::fabs(value() - other.value()) <= s_averagePriceEpsilon;
}

bool AveragePrice::operator<(const AveragePrice &other) const
{
    if (!m_hasValue || !other.m_hasValue)
        return !m_hasValue && other.m_hasValue;
    const double mine = value();
    const double theirs = other.value();
    return std::fabs(mine - theirs) > s_averagePriceEpsilon && mine < theirs;
}

Variant AveragePriceConverter::fromVariant(const Variant &value, const Variant &context)
{
    ISymbol *symbol = context.valueOr<ISymbol *>(nullptr);
    if (!value.isInit() || !symbol)
        return Variant();
    AveragePrice price(symbol);
    if (value.is<AveragePrice>()) {
        const AveragePrice &held = value.strongValue<AveragePrice>();
        if (held.hasValue()) // one without value stays without, on the new symbol
            price.setValue(held.value());
    } else if (value.is(QMetaType::Double)) {
        price.setRawNonScaledValue(value.strongValue<double>());
    } else {
        TRADE_ASSERT(false && "conversion from this type is not supported",
                     u"Trade::AveragePriceConverter::fromVariant", unit, this);
    }
    return Variant::fromValue(price);
}

Variant AveragePriceConverter::toVariant(const Variant &value)
{
    if (value.valueOr(AveragePrice()).hasValue()) {
        TRADE_ASSERT(false && "conversion of average prices to CComVariant is not supported",
                     u"Trade::AveragePriceConverter::toVariant", unit, this);
    }
    return Variant();
}

QString AveragePriceConverter::toString(const Variant &value)
{
    return value.valueOr(AveragePrice()).toString();
}

int AveragePriceConverter::compare(const Variant &left, const Variant &right) const
{
    const AveragePrice l = left.valueOr(AveragePrice());
    const AveragePrice r = right.valueOr(AveragePrice());
    if (const auto order = detail::orderOfMissingValues(l.hasValue(), r.hasValue()))
        return *order;
    return detail::compareWithinEpsilon(l.value(), r.value());
}

Dump AveragePriceConverter::save(const Variant &value)
{
    const AveragePrice price = value.valueOr(AveragePrice());
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("value"), toVariant(value).save());
    saved.insert(QStringLiteral("symbol"), Variant::fromValue(price.symbol()).save());
    return Dump(saved);
}

Variant AveragePriceConverter::load(const Dump &dump, const Variant &context)
{
    const Dump::Struct &saved = dump.asStruct();
    ISymbol *symbol = Variant::load(saved.member(QStringLiteral("symbol")), context).valueOr<ISymbol *>(nullptr);
    const QString text = saved.member(QStringLiteral("value")).asAtom().value();
    return fromVariant(Variant(text), Variant::fromValue(symbol));
}

} // namespace Trade
