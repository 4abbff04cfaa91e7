#pragma once

#include <typekit/symbol/isymbol.h>
#include <typekit/symbol/symbolboundconverter.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

class QDebug;

namespace Trade {

/// A price bound to its symbol. A price whose symbol is valid lies on the symbol's tick grid: it is
/// aligned on every read and stored aligned, divided by the symbol's price multiplier. Prices
/// compare by tick counts, so float noise never splits equal prices.
///
/// A symbol is valid when its record holds the user-defined minimum movement and price scale.
class TYPEKIT_EXPORT Price
{
public:
    Price() : m_hasValue(false), m_symbol(nullptr), m_value(0.0) {}
    /// The number as it is, without a symbol.
    Price(double value) : m_hasValue(true), m_symbol(nullptr), m_value(value) {}
    explicit Price(ISymbol *symbol);
    Price(double value, ISymbol *symbol);
    Price(qint64 ticks, ISymbol *symbol);
    /// An int is neither a price nor a tick count: say 5.0 or qint64(5).
    Price(int, ISymbol *) = delete;
    Price(const QString &text, ISymbol *symbol);
    /// Beyond the described operations: a plain C-locale decimal text ("2.55", "-0.0001") put
    /// on the symbol's grid exactly, rounding the decimal itself half away from zero to a tick
    /// count of minMovement / priceScale ("2.55" on a 0.1 tick is 2.6, where Price(text) reads
    /// the double 2.5499... and gives 2.5). Any other text (the host's own formats), a symbol
    /// without positive tick figures, or a build without 128-bit integers: Price(text, symbol).
    static Price fromDecimalText(const QString &text, ISymbol *symbol);
    /// The price on another symbol, aligned to that symbol's grid.
    Price(const Price &other, ISymbol *symbol);

    bool hasValue() const { return m_hasValue; }
    bool hasSymbol() const { return m_symbol != nullptr; }
    /// The symbol; a price without one reports.
    ISymbol *symbol() const;
    /// Has a value and a valid symbol.
    bool isValid() const;
    /// Bound to the same symbol object.
    bool isCompatible(const Price &other) const;
    /// The price users see: aligned to the tick grid when the symbol is valid.
    double value() const;
    /// The stored number: the price divided by the multiplier, or the number as given.
    double rawNonScaledValue() const;
    /// The price in ticks, rounded half away from zero. Without a symbol there is no tick size:
    /// after the report, 0.
    qint64 ticks() const;
    static double maximumValue() { return 1e9; }
    /// Beyond 1e9, or, for a resolved symbol with a category, below 0 (below -1e9 for spreads).
    bool isOutOfRange() const;
    /// The symbol's text of the price; without a valid symbol the number with six significant
    /// digits; empty without a value.
    QString toString() const;

    /// No value, no symbol.
    void clear();
    /// Aligns the price to the symbol's grid and stores it. A symbol that is missing or not valid
    /// is reported; without any symbol the number is kept as it is, as Price(double) would.
    void setValue(double value);
    /// The symbol's reading of the text; a text that is no price clears the price (value and
    /// symbol). Without a symbol there is no reading: after the report, the price is unchanged.
    void setValue(const QString &text);

    Price &operator+=(double value);
    Price &operator-=(double value);
    Price operator+(double value) const;
    Price operator-(double value) const;
    Price &operator+=(qint64 ticks);
    Price &operator-=(qint64 ticks);
    Price operator+(qint64 ticks) const;
    Price operator-(qint64 ticks) const;
    Price &operator+=(int) = delete; // say 1.0 for a price step, qint64(1) for a tick
    Price &operator-=(int) = delete;
    Price operator+(int) const = delete;
    Price operator-(int) const = delete;
    /// Prices of different symbols are reported, and added all the same.
    Price &operator+=(const Price &price);
    Price &operator-=(const Price &other);
    Price operator+(const Price &other) const;
    Price operator-(const Price &other) const;
    Price operator-() const;
    /// The tick count divided, truncated toward zero.
    Price operator/(double divisor) const;

    /// Equal tick counts at the finer of the two tick sizes (1e-10 without a valid symbol).
    /// A price with a symbol never equals one without; two symbol-less prices with values are
    /// equal whatever their numbers.
    bool operator==(const Price &other) const;
    bool operator!=(const Price &other) const { return !(*this == other); }
    /// A price without value is less than every price with one; symbols are not compared.
    bool operator<(const Price &other) const;
    /// Composed from < and ==: with == this tolerant (values without a symbol are all equal) they
    /// are no total order; sort with < alone.
    bool operator<=(const Price &other) const { return *this < other || *this == other; }
    bool operator>(const Price &other) const { return !(*this < other) && !(*this == other); }
    bool operator>=(const Price &other) const { return !(*this < other); }

private:
    friend class PriceConverter;

    bool hasValidSymbol() const;
    double tickSize() const;
    void setValue(qint64 ticks);
    void setRawNonScaledValue(double value);
    void setSymbol(ISymbol *symbol);

    static qint64 priceToTick(double price, double tickSize);
    static double tickToPrice(qint64 ticks, double tickSize);
    static double alignToTickSize(double value, double tickSize);
    static double calculateEpsilon(const Price &price);
    static double calculateEpsilon(const Price &first, const Price &second);
    static bool arePricesEqual(double first, double second, double epsilon);

    bool m_hasValue;
    ISymbol *m_symbol;
    double m_value;
};

TYPEKIT_EXPORT Price operator+(double value, const Price &price);
TYPEKIT_EXPORT Price operator-(double value, const Price &price);
TYPEKIT_EXPORT Price operator+(qint64 ticks, const Price &price);
TYPEKIT_EXPORT Price operator-(qint64 ticks, const Price &price);

/// Prices in variants: made from prices (rebased onto the context's symbol), unscaled doubles and
/// texts; compared with the double epsilon; saved as the unscaled number and the symbol.
class TYPEKIT_EXPORT PriceConverter : public StubConverterImpl, public SymbolBoundConverter
{
public:
    /// The saved number is the unscaled one: it loads back as the same price (rescaled through
    /// the symbol's multiplier), not as a text the symbol would read as a shown price.
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::Price(5012.25 on ESZ26).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Price &price);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Price)
