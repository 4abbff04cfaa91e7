#pragma once

#include <typekit/symbol/isymbol.h>
#include <typekit/symbol/symbolboundconverter.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <limits>

class QDebug;

namespace Trade {

/// An order or position size, held in units; the symbol's lot size relates units to the lots that
/// users type and see. The lot size is read from the symbol whenever it is needed (1 without a
/// symbol), so a symbol whose lot size changes changes the lot view of existing quantities.
class TYPEKIT_EXPORT Quantity
{
public:
    Quantity() : m_hasValue(false), m_value(0.0), m_symbol(nullptr) {}
    explicit Quantity(ISymbol *symbol) : m_hasValue(false), m_value(0.0), m_symbol(symbol) {}
    /// Units.
    Quantity(double value, ISymbol *symbol) : m_hasValue(true), m_value(value), m_symbol(symbol) {}
    /// A lot count as text.
    Quantity(const QString &text, ISymbol *symbol);
    /// Lots of the symbol. Without a symbol (reported) the lot size is 1 and the quantity has no
    /// symbol.
    static Quantity fromLots(double lots, ISymbol *symbol);
    /// Beyond the described operations: a plain C-locale decimal lot count ("0.29") times the
    /// lot size computed exactly, so that 0.29 lots of 100 are 29 units (the lot-count text
    /// reads the double 0.29 first and gives 28.999999999999996). Any other text, or a build
    /// without 128-bit integers: Quantity(text, symbol).
    static Quantity fromDecimalText(const QString &text, ISymbol *symbol);

    /// Units; the symbol stays.
    Quantity &operator=(double value);
    /// A lot count: an empty text is no value, a text that is no number 0 lots.
    Quantity &operator=(const QString &text);

    bool hasValue() const { return m_hasValue; }
    /// Has a symbol.
    bool isValid() const { return m_symbol != nullptr; }
    /// The symbol; a quantity without one reports.
    ISymbol *symbol() const;
    bool isCompatible(const Quantity &other) const;
    int lotSize() const;
    double lotQuantity() const;
    int wholeLotQuantity() const;
    /// The units; without a value this reports and gives the stored number.
    double value() const;
    int wholeValue() const;
    bool isZero() const;
    bool isNonZero() const;
    bool isPositive() const;
    bool isNegative() const;
    /// At or beyond the largest int.
    bool isOutOfLimits() const;
    bool isWholeValue() const;
    bool isWholeLotQuantity() const;
    static int maximumValue() { return std::numeric_limits<int>::max(); }
    /// The host formatter's text of the lots; empty without a value.
    QString toString() const;

    /// No value, no symbol.
    void clear();
    /// Another symbol, keeping the lot count: the units follow the new lot size.
    void setSymbol(ISymbol *symbol);
    Quantity abs() const;

    /// Each failed precondition (both symbols, the same symbol, the same lot size) is reported;
    /// the result has this quantity's symbol and a value.
    Quantity operator+(const Quantity &other) const;
    Quantity operator-(const Quantity &other) const;

    /// Units within the double epsilon; symbols and lot sizes are not compared.
    bool operator==(const Quantity &other) const
    {
        if (m_hasValue != other.m_hasValue)
            return false;
        const double difference = m_value - other.m_value;
        return !m_hasValue
               || (difference <= std::numeric_limits<double>::epsilon()
                   && -difference <= std::numeric_limits<double>::epsilon());
    }
    bool operator!=(const Quantity &other) const { return !(*this == other); }
    bool operator<(const Quantity &other) const;

private:
    static int lotSizeOf(const ISymbol *symbol) { return symbol ? symbol->lotSize() : 1; }
    Quantity combined(const Quantity &other, double sign, QStringView function) const;

    bool m_hasValue;
    double m_value;
    ISymbol *m_symbol;
};

/// Quantities in variants: made from quantities (rescaled to the context's symbol), lot-count
/// texts and unit numbers; compared by lots; saved with the symbol's context for a reader.
class TYPEKIT_EXPORT QuantityConverter : public StubConverterImpl, public SymbolBoundConverter
{
public:
    /// The saved "value" is in units of the saved "lotSize": it loads back as the same lot count
    /// on the context's symbol, or, without one, on the symbol the host's converter of
    /// "Trade::ISymbol*" finds for the saved alias.
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::Quantity(300 on ESZ26).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Quantity &quantity);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Quantity)
