#pragma once

#include <typekit/price.h>
#include <typekit/symbol/symbolboundconverter.h>
#include <typekit/typekit_export.h>

class QDebug;

namespace Trade {

/// The price of averaged fills (an order's average fill price, a position's entry price). It is
/// not aligned to the tick grid, since an average of tick prices lies between ticks; toPrice()
/// aligns it. Stored unscaled (divided by the symbol's price multiplier), compared at 1e-10.
class TYPEKIT_EXPORT AveragePrice
{
public:
    AveragePrice() : m_hasValue(false), m_value(0.0), m_symbol(nullptr) {}
    explicit AveragePrice(ISymbol *symbol);
    /// The number is the stored (unscaled) value.
    AveragePrice(double value, ISymbol *symbol);

    bool hasValue() const { return m_hasValue; }
    bool hasSymbol() const { return m_symbol != nullptr; }
    ISymbol *symbol() const { return m_symbol; }
    /// A value and a symbol.
    bool isValid() const { return m_hasValue && m_symbol; }
    bool isCompatible(const AveragePrice &other) const { return m_symbol == other.m_symbol; }
    /// The shown price: the stored value times the multiplier. Without a value or a symbol this
    /// reports (without a symbol the multiplier is taken as 1).
    double value() const;
    /// The symbol's text of the average price; without a symbol the stored number with six
    /// significant digits; empty without a value.
    QString toString() const;
    /// The price on the symbol's tick grid, or a price without value.
    Price toPrice() const;

    void clear();

    AveragePrice &operator+=(double value);
    AveragePrice &operator-=(double value);
    AveragePrice operator+(double value) const;
    AveragePrice operator-(double value) const;
    /// Average prices of different symbols are reported, and added all the same.
    AveragePrice &operator+=(const AveragePrice &price);
    AveragePrice &operator-=(const AveragePrice &other);
    AveragePrice operator+(const AveragePrice &other) const;
    AveragePrice operator-(const AveragePrice &other) const;
    /// The negated price, on the same symbol: its shown value is -value() whatever the multiplier
    /// (the stored value is negated).
    AveragePrice operator-() const;

    bool operator==(const AveragePrice &other) const;
    bool operator!=(const AveragePrice &other) const { return !(*this == other); }
    bool operator<(const AveragePrice &other) const;
    /// Composed from < and ==: with == this tolerant (values without a symbol are all equal) they
    /// are no total order; sort with < alone.
    bool operator<=(const AveragePrice &other) const { return *this < other || *this == other; }
    bool operator>(const AveragePrice &other) const { return !(*this < other) && !(*this == other); }
    bool operator>=(const AveragePrice &other) const { return !(*this < other); }

private:
    friend class AveragePriceConverter;
    /// Streams what the price holds, without the reports of value().
    friend TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const AveragePrice &price);

    double multiplier() const { return m_symbol ? m_symbol->priceMultiplier() : 1.0; }
    /// Stores a shown price, divided by the multiplier.
    void setValue(double value);
    void setRawNonScaledValue(double value);
    void setSymbol(ISymbol *symbol);

    bool m_hasValue;
    double m_value;
    ISymbol *m_symbol;
};

/// Average prices in variants: made from average prices and unscaled doubles on the context's
/// symbol; never turned into a plain variant, so a saved one loads back without value.
class TYPEKIT_EXPORT AveragePriceConverter : public StubConverterImpl, public SymbolBoundConverter
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::AveragePrice(5012.3125 on ESZ26), the shown price.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const AveragePrice &price);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::AveragePrice)
