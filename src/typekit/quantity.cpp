#include "quantity.h"

#include <typekit/formatting/formatter.h>
#include <typekit/decimaltext_p.h>
#include <typekit/numeric_p.h>

#include <cmath>

namespace Trade {

namespace {

constexpr QStringView unit = u"quantity";
constexpr double epsilon = std::numeric_limits<double>::epsilon();

bool isWhole(double value)
{
    return std::fabs(value - detail::roundHalfAwayFromZero<int>(value)) <= epsilon;
}

} // namespace

Quantity::Quantity(const QString &text, ISymbol *symbol) : Quantity(symbol)
{
    *this = text;
}

Quantity Quantity::fromLots(double lots, ISymbol *symbol)
{
    TRADE_ASSERT(symbol != 0, u"Trade::Quantity::fromLots", unit, nullptr);
    return Quantity(double(lotSizeOf(symbol)) * lots, symbol);
}

Quantity Quantity::fromDecimalText(const QString &text, ISymbol *symbol)
{
#if defined(TRADE_HAVE_EXACT_DECIMALS)
    if (const auto decimal = detail::readDecimal(text))
        return Quantity(
            detail::quotientAsDouble(decimal->digits * lotSizeOf(symbol), detail::powerOfTen(decimal->scale)), symbol);
#endif
    return Quantity(text, symbol);
}

Quantity &Quantity::operator=(double value)
{
    m_value = value;
    m_hasValue = true;
    return *this;
}

Quantity &Quantity::operator=(const QString &text)
{
    if (text.isEmpty()) {
        m_hasValue = false;
        m_value = 0.0;
        return *this;
    }
    m_value = text.toDouble() * lotSize();
    m_hasValue = true;
    return *this;
}

ISymbol *Quantity::symbol() const
{
    TRADE_ASSERT(isValid(), u"Trade::Quantity::symbol", unit, this) << "invalid quantity symbol";
    return m_symbol;
}

bool Quantity::isCompatible(const Quantity &other) const
{
    ISymbol *const theirs = other.symbol();
    return theirs == symbol();
}

int Quantity::lotSize() const
{
    return lotSizeOf(m_symbol);
}

double Quantity::lotQuantity() const
{
    return m_value / lotSize();
}

int Quantity::wholeLotQuantity() const
{
    return detail::truncateSaturating<int>(lotQuantity());
}

double Quantity::value() const
{
    TRADE_ASSERT_AS(m_hasValue, u"false", u"Trade::Quantity::value", unit, this) << "Quantity has no value";
    return m_value;
}

int Quantity::wholeValue() const
{
    return detail::truncateSaturating<int>(value());
}

bool Quantity::isZero() const
{
    return std::fabs(value()) <= epsilon;
}

bool Quantity::isNonZero() const
{
    return std::fabs(value()) > epsilon;
}

bool Quantity::isPositive() const
{
    return value() - 0.0 > epsilon;
}

bool Quantity::isNegative() const
{
    return 0.0 - value() > epsilon;
}

bool Quantity::isOutOfLimits() const
{
    return value() >= double(maximumValue());
}

bool Quantity::isWholeValue() const
{
    return isWhole(value());
}

bool Quantity::isWholeLotQuantity() const
{
    return isWhole(value() / lotSize());
}

QString Quantity::toString() const
{
    if (!m_hasValue)
        return QString();
    const IFormatter *formatter = IFormatter::instance();
    return formatter ? formatter->formatQuantity(m_value / lotSize()) : QString();
}

void Quantity::clear()
{
    m_hasValue = false;
    m_value = 0.0;
    m_symbol = nullptr;
}

void Quantity::setSymbol(ISymbol *symbol)
{
    const double lots = m_value / lotSize();
    m_symbol = symbol;
    m_value = lots * lotSize();
}

Quantity Quantity::abs() const
{
    Quantity result = *this;
    result.m_value = std::fabs(m_value);
    return result;
}

Quantity Quantity::combined(const Quantity &other, double sign, QStringView function) const
{
    // Step by step, so that the reports come in the order of the checks.
    TRADE_ASSERT(isValid(), function, unit, this);
    TRADE_ASSERT(other.isValid(), function, unit, this);
    ISymbol *const mine = symbol();
    ISymbol *const theirs = other.symbol();
    TRADE_ASSERT_AS(mine == theirs, u"symbol() == other.symbol()", function, unit, this);
    TRADE_ASSERT(lotSize() == other.lotSize(), function, unit, this);
    const double left = value();
    const double right = other.value();
    return Quantity(left + sign * right, symbol());
}

Quantity Quantity::operator+(const Quantity &other) const
{
    return combined(other, 1.0, u"Trade::Quantity::operator +");
}

Quantity Quantity::operator-(const Quantity &other) const
{
    return combined(other, -1.0, u"Trade::Quantity::operator -");
}

bool Quantity::operator<(const Quantity &other) const
{
    if (!m_hasValue || !other.m_hasValue)
        return !m_hasValue && other.m_hasValue;
    return other.m_value - m_value > epsilon;
}

Variant QuantityConverter::fromVariant(const Variant &value, const Variant &context)
{
    if (!value.isInit())
        return Variant();
    ISymbol *symbol = context.valueOr<ISymbol *>(nullptr);
    if (value.is<Quantity>()) {
        Quantity quantity = value.strongValue<Quantity>();
        quantity.setSymbol(symbol);
        return Variant::fromValue(quantity);
    }
    Quantity quantity(symbol);
    if (value.is(QMetaType::QString))
        quantity = value.heldOr(QString());
    else if (value.is(QMetaType::Int))
        quantity = double(value.strongValue<int>());
    else if (value.is(QMetaType::Double))
        quantity = value.strongValue<double>();
    return Variant::fromValue(quantity);
}

Variant QuantityConverter::toVariant(const Variant &value)
{
    const Quantity quantity = value.valueOr(Quantity());
    return quantity.hasValue() ? Variant(quantity.value()) : Variant();
}

QString QuantityConverter::toString(const Variant &value)
{
    return value.valueOr(Quantity()).toString();
}

int QuantityConverter::compare(const Variant &left, const Variant &right) const
{
    const Quantity l = left.valueOr(Quantity());
    const Quantity r = right.valueOr(Quantity());
    if (const auto order = detail::orderOfMissingValues(l.hasValue(), r.hasValue()))
        return *order;
    return detail::compareWithinEpsilon(l.lotQuantity(), r.lotQuantity());
}

Dump QuantityConverter::save(const Variant &value)
{
    const Quantity quantity = value.valueOr(Quantity());
    QString alias;
    QString brokerName;
    QString connectionName;
    if (ISymbol *symbol = quantity.isValid() ? quantity.symbol() : nullptr) {
        const VariantRecord record = symbol->symbolRecord();
        if (const ISymbolTopic *topic = symbol->symbolTopic()) {
            alias = record.value(topic->nameField(), Variant()).valueOr(QString());
            brokerName = record.value(topic->brokerNameField(), Variant()).valueOr(QString());
        }
        if (const IBrokerConnection *connection = symbol->connection())
            connectionName = connection->name();
    }
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("value"), toVariant(value).save());
    saved.insert(QStringLiteral("lotSize"), Variant(quantity.lotSize()).save());
    saved.insert(QStringLiteral("symbolAlias"), Variant(alias).save());
    saved.insert(QStringLiteral("symbolBrokerName"), Variant(brokerName).save());
    saved.insert(QStringLiteral("connectionName"), Variant(connectionName).save());
    return Dump(saved);
}

Variant QuantityConverter::load(const Dump &dump, const Variant &context)
{
    const Dump::Struct &saved = dump.asStruct();
    double units = 0.0;
    const bool isNumber = detail::readSavedNumber(saved.member(QStringLiteral("value")).asAtom().value(), &units);
    const int savedLotSize = saved.member(QStringLiteral("lotSize")).asAtom().value().toInt();
    ISymbol *symbol = context.valueOr<ISymbol *>(nullptr);
    const QString alias = saved.member(QStringLiteral("symbolAlias")).asAtom().value();
    if (!symbol && !alias.isEmpty()) {
        // Without a symbol in the context, the host's symbol converter may know the saved alias.
        const Dump named(Dump::Atom(QStringLiteral("Trade::ISymbol*"), alias));
        symbol = Variant::load(named, context).valueOr<ISymbol *>(nullptr);
    }
    const double lots = units / (savedLotSize > 0 ? savedLotSize : 1);
    const double value = lots * (symbol ? symbol->lotSize() : 1);
    if (!isNumber || !std::isfinite(value)) // a count of lots too large for the symbol's lots
        return Variant::fromValue(Quantity(symbol));
    return Variant::fromValue(Quantity(value, symbol));
}

} // namespace Trade
