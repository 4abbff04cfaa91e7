#pragma once

#include <typekit/currency.h>
#include <typekit/symbol/isymbol.h>
#include <typekit/symbol/symbolboundconverter.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

class QDebug;

namespace Trade {

/// The money of a position or trade, bound to its symbol so that it reads in ticks as well, with
/// the currency it is shown in. Profits compare at 1e-10.
class TYPEKIT_EXPORT Profit
{
public:
    Profit() : m_hasValue(false), m_money(0.0), m_symbol(nullptr) {}
    explicit Profit(ISymbol *symbol) : m_hasValue(false), m_money(0.0), m_symbol(symbol) {}
    static Profit fromMoney(double money, ISymbol *symbol);
    static Profit fromTicks(double ticks, ISymbol *symbol);

    bool hasValue() const { return m_hasValue; }
    bool hasSymbol() const { return m_symbol != nullptr; }
    /// A valid symbol and a value.
    bool isValid() const;
    /// The symbol; a profit without one reports.
    ISymbol *symbol() const;
    /// The money; without a value this reports and gives 0.
    double money() const;
    /// The money in ticks of the symbol (tick size times point value), rounded half away from
    /// zero; without a value or a valid symbol this reports and gives 0.
    qint64 ticks() const;
    const Currency &currency() const { return m_currency; }
    /// The host formatter's text of the money in its currency; empty without a value.
    QString toString() const;

    /// No value, no symbol; the currency stays.
    void clear();
    void setMoney(double money);
    /// The money of that many ticks. Without a symbol there is no tick value: after the report,
    /// the profit is unchanged.
    void setTicks(double ticks);
    /// A null symbol is reported and the previous one kept.
    void setSymbol(ISymbol *symbol);
    void setCurrency(const Currency &currency) { m_currency = currency; }

    /// Usable operands have a valid symbol and a value. Both usable: the sum (difference) on this
    /// profit's symbol, in the default currency. Only one usable: that one (for "-" with only the
    /// right one usable, its negation: 0 - x). Neither: no value.
    Profit operator+(const Profit &other) const;
    Profit operator-(const Profit &other) const;

    /// Profits without a symbol are all equal to each other, with or without values.
    bool operator==(const Profit &other) const;
    bool operator!=(const Profit &other) const { return !(*this == other); }
    bool operator<(const Profit &other) const;
    /// Composed from < and ==: with == this tolerant (values without a symbol are all equal) they
    /// are no total order; sort with < alone.
    bool operator<=(const Profit &other) const { return *this < other || *this == other; }
    bool operator>(const Profit &other) const { return !(*this < other) && !(*this == other); }
    bool operator>=(const Profit &other) const { return !(*this < other); }

private:
    bool hasValidSymbol() const;
    bool isUsable() const { return hasSymbol() && hasValidSymbol() && m_hasValue; }
    double tickValue() const;
    static double calculateEpsilon(const Profit &profit);
    static double calculateEpsilon(const Profit &first, const Profit &second);
    static bool areProfitsEqual(double first, double second, double epsilon);

    bool m_hasValue;
    double m_money;
    ISymbol *m_symbol;
    Currency m_currency;
};

/// Profits in variants: made from profits (their money, on the context's symbol), doubles and
/// numeric texts; compared with the double epsilon; saved as the money and the symbol.
class TYPEKIT_EXPORT ProfitConverter : public StubConverterImpl, public SymbolBoundConverter
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::Profit(-125.5 EUR on ESZ26).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Profit &profit);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Profit)
