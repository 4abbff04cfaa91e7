#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QVector>

namespace Trade {

class ISymbol;

/// One leg of a spread or basket: a symbol with a signed multiplier (negative for a leg on the
/// other side). Multipliers compare within the double epsilon, absolutely.
class TYPEKIT_EXPORT SpreadLeg
{
public:
    /// No symbol (an invalid leg), multiplier 0.
    SpreadLeg() : m_symbol(nullptr), m_multiplier(0.0) {}
    /// A null symbol and a zero multiplier are reported, and kept.
    SpreadLeg(ISymbol *symbol, double multiplier);
    /// Copying a leg without symbol is reported.
    SpreadLeg(const SpreadLeg &other);
    SpreadLeg &operator=(const SpreadLeg &other) = default;

    ISymbol *symbol() const { return m_symbol; }
    double multiplier() const { return m_multiplier; }
    bool isValid() const { return m_symbol != nullptr; }
    bool isPositive() const;

    bool operator==(const SpreadLeg &other) const;
    bool operator!=(const SpreadLeg &other) const { return !(*this == other); }
    /// By symbol address, then by multiplier.
    bool operator<(const SpreadLeg &other) const;

private:
    ISymbol *m_symbol;
    double m_multiplier;
};

/// The legs of a spread, in the order they were added (repeats allowed).
class TYPEKIT_EXPORT SpreadLegs : public QVector<SpreadLeg>
{
public:
    using QVector<SpreadLeg>::QVector;
    SpreadLegs() = default;

    /// The first leg of that symbol, or one shared invalid leg (no symbol, multiplier 0).
    const SpreadLeg &legBySymbol(const ISymbol *symbol) const;
};

} // namespace Trade

/// Legs move by memory when their vectors grow: a copy would report legs without symbol.
Q_DECLARE_TYPEINFO(Trade::SpreadLeg, Q_RELOCATABLE_TYPE);
