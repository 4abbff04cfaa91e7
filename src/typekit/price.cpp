#include "price.h"

#include <typekit/decimaltext_p.h>
#include <typekit/numeric_p.h>
#include <typekit/symbol/symbolcategory.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Trade {

namespace {
constexpr QStringView unit = u"price";
constexpr double doubleEpsilon = std::numeric_limits<double>::epsilon();
} // namespace

Price::Price(ISymbol *symbol) : Price()
{
    setSymbol(symbol);
}

Price::Price(double value, ISymbol *symbol) : Price()
{
    setSymbol(symbol);
    setValue(value);
}

Price::Price(qint64 ticks, ISymbol *symbol) : Price()
{
    setSymbol(symbol);
    setValue(ticks);
}

Price::Price(const QString &text, ISymbol *symbol) : Price()
{
    setSymbol(symbol);
    setValue(text);
}

Price Price::fromDecimalText(const QString &text, ISymbol *symbol)
{
#if defined(TRADE_HAVE_EXACT_DECIMALS)
    // The exact path needs a symbol with a tick: positive figures.
    if (const auto decimal = symbol ? detail::readDecimal(text) : std::nullopt) {
        const int minMovement = symbol->minMovement();
        const int priceScale = symbol->priceScale();
        if (minMovement > 0 && priceScale > 0) {
            // ticks = value / (minMovement / priceScale), all in integers.
            const detail::Wide tickDenominator = detail::Wide(minMovement) * detail::powerOfTen(decimal->scale);
            return Price(detail::roundedQuotient(decimal->digits * priceScale, tickDenominator), symbol);
        }
    }
#endif
    return Price(text, symbol);
}

Price::Price(const Price &other, ISymbol *symbol) : Price()
{
    setSymbol(symbol);
    if (other.hasValue())
        setValue(other.hasValidSymbol() ? other.value() : other.rawNonScaledValue());
}

bool Price::hasValidSymbol() const
{
    return ISymbol::hasValidFigures(m_symbol);
}

double Price::tickSize() const
{
    return double(m_symbol->minMovement()) / double(m_symbol->priceScale());
}

ISymbol *Price::symbol() const
{
    TRADE_ASSERT(hasSymbol(), u"Trade::Price::symbol", unit, this) << "invalid price symbol";
    return m_symbol;
}

bool Price::isValid() const
{
    return hasValidSymbol() && m_hasValue;
}

bool Price::isCompatible(const Price &other) const
{
    ISymbol *const theirs = other.symbol();
    return theirs == symbol();
}

double Price::value() const
{
    if (hasValidSymbol())
        return alignToTickSize(rawNonScaledValue() * m_symbol->priceMultiplier(), tickSize());
    return rawNonScaledValue();
}

double Price::rawNonScaledValue() const
{
    TRADE_ASSERT(hasValue() && "price has not value", u"Trade::Price::rawNonScaledValue", unit, this);
    return m_value;
}

qint64 Price::ticks() const
{
    if (!symbol())
        return 0;
    return priceToTick(value(), tickSize());
}

bool Price::isOutOfRange() const
{
    TRADE_ASSERT(hasValue(), u"Trade::Price::isOutOfRange", unit, this);
    const double v = value();
    const bool aboveUpper = v - maximumValue() > doubleEpsilon;
    if (m_symbol && m_symbol->isResolved()) {
        const ISymbolTopic *topic = m_symbol->symbolTopic();
        IField *categoryField = topic ? topic->categoryField() : nullptr;
        if (categoryField && m_symbol->hasValue(categoryField)) {
            const Symbology::KorSymbolType category =
                m_symbol->symbolRecord().value(categoryField, Variant()).valueOr(SymbolCategory());
            const bool spread =
                category == Symbology::symbolTypeUserDefinedSpread || category == Symbology::symbolTypeSpread;
            const double lower = spread ? -maximumValue() : 0.0;
            return lower - v > doubleEpsilon || aboveUpper;
        }
    }
    return aboveUpper;
}

QString Price::toString() const
{
    if (!m_hasValue)
        return QString();
    if (hasValidSymbol())
        return m_symbol->formatPrice(value());
    return QString::number(rawNonScaledValue(), 'g', 6);
}

void Price::clear()
{
    m_hasValue = false;
    m_value = 0.0;
    m_symbol = nullptr;
}

void Price::setValue(double value)
{
    TRADE_ASSERT(hasValidSymbol(), u"Trade::Price::setValue", unit, this);
    m_hasValue = true;
    if (!m_symbol) {
        m_value = value;
        return;
    }
    const double tick = tickSize();
    m_value = tickToPrice(priceToTick(value, tick), tick) / m_symbol->priceMultiplier();
}

void Price::setValue(qint64 ticks)
{
    TRADE_ASSERT(hasValidSymbol(), u"Trade::Price::setValue", unit, this);
    if (!m_symbol)
        return;
    m_hasValue = true;
    m_value = tickToPrice(ticks, tickSize()) / m_symbol->priceMultiplier();
}

void Price::setValue(const QString &text)
{
    const ISymbol *owner = symbol();
    if (!owner)
        return;
    const Common::Nullable<double> parsed = owner->parsePrice(text);
    if (parsed.isNull()) {
        clear();
        return;
    }
    m_hasValue = true;
    setValue(parsed.value());
}

void Price::setRawNonScaledValue(double value)
{
    m_hasValue = true;
    if (!hasValidSymbol()) {
        m_value = value;
        return;
    }
    const double tick = tickSize();
    const double alternate = m_symbol->alternateTickSize();
    m_value = alignToTickSize(value, std::min(tick, alternate));
}

void Price::setSymbol(ISymbol *symbol)
{
    TRADE_ASSERT(symbol != 0, u"Trade::Price::setSymbol", unit, this);
    m_symbol = symbol;
}

qint64 Price::priceToTick(double price, double tickSize)
{
    return detail::roundHalfAwayFromZero(price / tickSize);
}

double Price::tickToPrice(qint64 ticks, double tickSize)
{
    return double(ticks) * tickSize;
}

double Price::alignToTickSize(double value, double tickSize)
{
    return tickSize * double(detail::roundHalfAwayFromZero(value / tickSize));
}

double Price::calculateEpsilon(const Price &price)
{
    TRADE_ASSERT(price.hasValue(), u"Trade::Price::calculateEpsilon", unit, nullptr);
    return price.hasValidSymbol() ? price.tickSize() * 1 : detail::tenToTheMinusTen();
}

double Price::calculateEpsilon(const Price &first, const Price &second)
{
    return std::min(calculateEpsilon(first), calculateEpsilon(second));
}

bool Price::arePricesEqual(double first, double second, double epsilon)
{
    return detail::roundHalfAwayFromZero(first / epsilon) == detail::roundHalfAwayFromZero(second / epsilon);
}

bool Price::operator==(const Price &other) const
{
    if (hasSymbol() != other.hasSymbol() || m_hasValue != other.m_hasValue)
        return false;
    if (!m_hasValue || !hasSymbol())
        return true;
    return arePricesEqual(value(), other.value(), calculateEpsilon(*this, other));
}

bool Price::operator<(const Price &other) const
{
    if (!m_hasValue || !other.m_hasValue)
        return !m_hasValue && other.m_hasValue;
    const double epsilon = calculateEpsilon(*this, other);
    const double mine = value();
    const double theirs = other.value();
    return !arePricesEqual(mine, theirs, epsilon) && mine < theirs;
}

Price &Price::operator+=(double value)
{
    setValue(this->value() + value);
    return *this;
}

Price &Price::operator-=(double value)
{
    setValue(this->value() - value);
    return *this;
}

Price Price::operator+(double value) const
{
    return Price(*this) += value;
}

Price Price::operator-(double value) const
{
    return Price(*this) -= value;
}

Price &Price::operator+=(qint64 ticks)
{
    setValue(detail::saturatingAdd(this->ticks(), ticks));
    return *this;
}

Price &Price::operator-=(qint64 ticks)
{
    setValue(detail::saturatingSubtract(this->ticks(), ticks));
    return *this;
}

Price Price::operator+(qint64 ticks) const
{
    return Price(*this) += ticks;
}

Price Price::operator-(qint64 ticks) const
{
    return Price(*this) -= ticks;
}

Price &Price::operator+=(const Price &price)
{
    TRADE_ASSERT(isCompatible(price) && "incompatible price", u"Trade::Price::operator +=", unit, this);
    setValue(value() + price.value());
    return *this;
}

Price &Price::operator-=(const Price &other)
{
    Price negated(other.symbol());
    negated.setRawNonScaledValue(-other.rawNonScaledValue());
    return *this += negated;
}

Price Price::operator+(const Price &other) const
{
    return Price(*this) += other;
}

Price Price::operator-(const Price &other) const
{
    return Price(*this) -= other;
}

Price Price::operator-() const
{
    Price negated;
    negated.setSymbol(m_symbol);
    negated.setRawNonScaledValue(-rawNonScaledValue());
    return negated;
}

Price Price::operator/(double divisor) const
{
    const qint64 dividedTicks = detail::truncateSaturating<qint64>(double(ticks()) / divisor);
    Price divided;
    divided.setSymbol(m_symbol);
    divided.setValue(dividedTicks);
    return divided;
}

Price operator+(double value, const Price &price)
{
    return price + value;
}

Price operator-(double value, const Price &price)
{
    return -(price - value);
}

Price operator+(qint64 ticks, const Price &price)
{
    return price + ticks;
}

Price operator-(qint64 ticks, const Price &price)
{
    return -(price - ticks);
}

Variant PriceConverter::fromVariant(const Variant &value, const Variant &context)
{
    if (!value.isInit())
        return Variant();
    ISymbol *symbol = context.valueOr<ISymbol *>(nullptr);
    if (!symbol)
        return Variant();
    Price price(symbol);
    if (value.is<Price>()) {
        price = Price(value.strongValue<Price>(), symbol);
    } else if (value.is(QMetaType::Double)) {
        price.setRawNonScaledValue(value.strongValue<double>());
    } else if (value.is(QMetaType::QString)) {
        price.setValue(value.heldOr(QString()));
    } else if (value.is(QMetaType::Int)) {
        TRADE_ASSERT(false && "conversion from ticks is not supported", u"Trade::PriceConverter::fromVariant", unit,
                     this);
    }
    return Variant::fromValue(price);
}

Variant PriceConverter::toVariant(const Variant &value)
{
    const Price price = value.valueOr(Price());
    return price.hasValue() ? Variant(price.rawNonScaledValue()) : Variant();
}

QString PriceConverter::toString(const Variant &value)
{
    return value.valueOr(Price()).toString();
}

int PriceConverter::compare(const Variant &left, const Variant &right) const
{
    const Price l = left.valueOr(Price());
    const Price r = right.valueOr(Price());
    if (const auto order = detail::orderOfMissingValues(l.hasValue(), r.hasValue()))
        return *order;
    return detail::compareWithinEpsilon(l.value(), r.value());
}

Dump PriceConverter::save(const Variant &value)
{
    const Price price = value.valueOr(Price());
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("value"), toVariant(value).save());
    saved.insert(QStringLiteral("symbol"), Variant::fromValue(price.m_symbol).save());
    return Dump(saved);
}

Variant PriceConverter::load(const Dump &dump, const Variant &context)
{
    const Dump::Struct &saved = dump.asStruct();
    ISymbol *symbol = Variant::load(saved.member(QStringLiteral("symbol")), context).valueOr<ISymbol *>(nullptr);
    double raw = 0.0;
    const bool isNumber = detail::readSavedNumber(saved.member(QStringLiteral("value")).asAtom().value(), &raw);
    if (!symbol)
        return Variant();
    Price price(symbol);
    if (isNumber) {
        if (price.hasValidSymbol())
            price.setValue(raw * symbol->priceMultiplier());
        else
            price.setRawNonScaledValue(raw);
    }
    return Variant::fromValue(price);
}

} // namespace Trade
