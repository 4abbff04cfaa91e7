#include "profit.h"

#include <typekit/formatting/formatter.h>
#include <typekit/numeric_p.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Trade {

namespace {
constexpr QStringView unit = u"profit";
} // namespace

Profit Profit::fromMoney(double money, ISymbol *symbol)
{
    Profit profit(symbol);
    profit.setMoney(money);
    return profit;
}

Profit Profit::fromTicks(double ticks, ISymbol *symbol)
{
    Profit profit(symbol);
    profit.setTicks(ticks);
    return profit;
}

bool Profit::hasValidSymbol() const
{
    return ISymbol::hasValidFigures(m_symbol);
}

double Profit::tickValue() const
{
    return double(m_symbol->minMovement()) / double(m_symbol->priceScale()) * m_symbol->bigPointValue();
}

bool Profit::isValid() const
{
    return hasValidSymbol() && m_hasValue;
}

ISymbol *Profit::symbol() const
{
    TRADE_ASSERT(hasSymbol(), u"Trade::Profit::symbol", unit, this) << "invalid symbol";
    return m_symbol;
}

double Profit::money() const
{
    if (m_hasValue)
        return m_money;
    TRADE_ASSERT(false && "profit has no value", u"Trade::Profit::money", unit, this);
    return 0.0;
}

qint64 Profit::ticks() const
{
    if (hasValidSymbol() && m_hasValue)
        return detail::roundHalfAwayFromZero(money() / tickValue());
    TRADE_ASSERT(false && "profit has no value", u"Trade::Profit::ticks", unit, this);
    return 0;
}

QString Profit::toString() const
{
    if (!m_hasValue)
        return QString();
    const IFormatter *formatter = IFormatter::instance();
    return formatter ? formatter->formatMoney(m_money, m_currency) : QString();
}

void Profit::clear()
{
    m_hasValue = false;
    m_money = 0.0;
    m_symbol = nullptr;
}

void Profit::setMoney(double money)
{
    m_money = money;
    m_hasValue = true;
}

void Profit::setTicks(double ticks)
{
    if (!symbol())
        return;
    m_hasValue = true;
    m_money = tickValue() * ticks;
}

void Profit::setSymbol(ISymbol *symbol)
{
    if (!symbol) {
        TRADE_ASSERT(false && "invalid argument symbol", u"Trade::Profit::setSymbol", unit, this);
        return;
    }
    m_symbol = symbol;
}

Profit Profit::operator+(const Profit &other) const
{
    if (isUsable() && other.isUsable()) {
        TRADE_ASSERT(symbol() == other.symbol(), u"Trade::Profit::operator +", unit, this);
        return fromMoney(money() + other.money(), m_symbol);
    }
    if (isUsable())
        return *this;
    return other.isUsable() ? other : Profit();
}

Profit Profit::operator-(const Profit &other) const
{
    if (isUsable() && other.isUsable()) {
        TRADE_ASSERT(symbol() == other.symbol(), u"Trade::Profit::operator -", unit, this);
        return fromMoney(money() - other.money(), m_symbol);
    }
    if (isUsable())
        return *this;
    if (!other.isUsable())
        return Profit();
    Profit negated = other;
    negated.m_money = -other.m_money;
    return negated;
}

double Profit::calculateEpsilon(const Profit &profit)
{
    TRADE_ASSERT(profit.hasValue(), u"Trade::Profit::calculateEpsilon", unit, nullptr);
    return detail::tenToTheMinusTen();
}

double Profit::calculateEpsilon(const Profit &first, const Profit &second)
{
    return std::min(calculateEpsilon(first), calculateEpsilon(second));
}

bool Profit::areProfitsEqual(double first, double second, double epsilon)
{
    return detail::roundHalfAwayFromZero(first / epsilon) == detail::roundHalfAwayFromZero(second / epsilon);
}

bool Profit::operator==(const Profit &other) const
{
    if (hasSymbol() != other.hasSymbol())
        return false;
    if (!hasSymbol())
        return true;
    if (m_hasValue != other.m_hasValue)
        return false;
    if (!m_hasValue)
        return true;
    return areProfitsEqual(money(), other.money(), calculateEpsilon(*this, other));
}

bool Profit::operator<(const Profit &other) const
{
    if (!m_hasValue || !other.m_hasValue)
        return !m_hasValue && other.m_hasValue;
    if (areProfitsEqual(money(), other.money(), calculateEpsilon(*this, other)))
        return false;
    return money() < other.money();
}

Variant ProfitConverter::fromVariant(const Variant &value, const Variant &context)
{
    if (!value.isInit())
        return Variant();
    Profit profit(context.valueOr<ISymbol *>(nullptr));
    if (value.is<Profit>()) {
        const Profit &held = value.strongValue<Profit>();
        if (held.hasValue())
            profit.setMoney(held.money());
    } else if (value.is(QMetaType::Double)) {
        profit.setMoney(value.strongValue<double>());
    } else if (value.is(QMetaType::QString)) {
        bool isNumber; // set by toDouble()
        const double money = value.heldOr(QString()).toDouble(&isNumber);
        if (isNumber)
            profit.setMoney(money);
    }
    return Variant::fromValue(profit);
}

Variant ProfitConverter::toVariant(const Variant &value)
{
    const Profit profit = value.valueOr(Profit());
    return profit.hasValue() ? Variant(profit.money()) : Variant();
}

QString ProfitConverter::toString(const Variant &value)
{
    return value.valueOr(Profit()).toString();
}

int ProfitConverter::compare(const Variant &left, const Variant &right) const
{
    const Profit l = left.valueOr(Profit());
    const Profit r = right.valueOr(Profit());
    if (const auto order = detail::orderOfMissingValues(l.hasValue(), r.hasValue()))
        return *order;
    return detail::compareWithinEpsilon(l.money(), r.money());
}

Dump ProfitConverter::save(const Variant &value)
{
    const Profit profit = value.valueOr(Profit());
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("value"), toVariant(value).save());
    saved.insert(QStringLiteral("symbol"),
                 Variant::fromValue(profit.hasSymbol() ? profit.symbol() : static_cast<ISymbol *>(nullptr)).save());
    return Dump(saved);
}

Variant ProfitConverter::load(const Dump &dump, const Variant &context)
{
    const Dump::Struct &saved = dump.asStruct();
    ISymbol *symbol = Variant::load(saved.member(QStringLiteral("symbol")), context).valueOr<ISymbol *>(nullptr);
    double money = 0.0;
    const bool isNumber = detail::readSavedNumber(saved.member(QStringLiteral("value")).asAtom().value(), &money);
    return fromVariant(isNumber ? Variant(money) : Variant(QString()), Variant::fromValue(symbol));
}

} // namespace Trade
