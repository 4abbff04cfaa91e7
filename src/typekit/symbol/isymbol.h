#pragma once

#include <notifierkit/idisposable.h>
#include <notifierkit/inotifier.h>
#include <typekit/nullable.h>
#include <typekit/symbol/idictionaryvisiblesymbol.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

class QDebug;

namespace Trade {

/// A broker connection of the host; a symbol belongs to one.
class TYPEKIT_EXPORT IBrokerConnection
{
public:
    virtual QString name() const = 0;
    virtual ~IBrokerConnection();
};

/// The host's symbol, as the value types see it: the figures that put prices on a tick grid and
/// relate units to lots, the texts of prices, and the symbol's own record. A symbol is also a
/// notifier: holders that keep it subscribe to its end (`disposed`) and to changes of its
/// resolution by the host's core (`symbolResolveChanged`).
class TYPEKIT_EXPORT ISymbol : public virtual IDictionaryVisibleSymbol,
                               public virtual Common::INotifier,
                               public virtual IDisposable
{
public:
    /// The name the user knows the symbol by.
    virtual QString name() const = 0;
    virtual IBrokerConnection *connection() const = 0;
    /// The tick size is minMovement() / priceScale().
    virtual int minMovement() const = 0;
    virtual int priceScale() const = 0;
    /// The money value of one whole price point.
    virtual double bigPointValue() const = 0;
    /// Units per lot.
    virtual int lotSize() const = 0;
    /// The factor from a stored (unscaled) price to the price users see.
    virtual double priceMultiplier() const = 0;
    /// A second alignment step for unscaled values.
    virtual double alternateTickSize() const = 0;
    /// The host's core has resolved the symbol.
    virtual bool isResolved() const = 0;
    virtual QString formatPrice(double price) const = 0;
    /// The price a text shows, null when the text is no price.
    virtual Common::Nullable<double> parsePrice(const QString &text) const = 0;
    virtual QString formatAveragePrice(double price) const = 0;
    ~ISymbol() override;

    /// A Qt signal of the implementing class: the core resolved the symbol, or stopped resolving
    /// it (isResolved() tells which).
    virtual void symbolResolveChanged(Trade::ISymbol *symbol) const = 0;

    /// A symbol whose record holds the user-defined minimum movement and price scale: a tick grid
    /// that prices and profits can use. Null is not valid.
    static bool hasValidFigures(const ISymbol *symbol);
};

/// For logs and failing comparisons: Trade::ISymbol(ESZ26), by name.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const ISymbol *symbol);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::ISymbol *)
Q_DECLARE_METATYPE(Trade::IBrokerConnection *)
