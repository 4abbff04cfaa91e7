#pragma once

#include <typekit/imarketdataprovider.h>
#include <typekit/isymbolaccountprovider.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/pricelevels.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/variantrecord.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace Trade {

/// The context of an order ticket: besides the symbol, account and broker connection, the
/// symbol's display name, the order settings, the exit strategy, two price levels and the market
/// data provider.
class TYPEKIT_EXPORT IOrderInfoProvider : public virtual ISymbolAccountProvider
{
public:
    virtual QString symbolName() = 0;
    /// The host should not map the symbol to another one on its own.
    virtual bool symbolAutoMappingShouldBeDisallowed() const = 0;
    /// The order settings.
    virtual VariantRecord info() = 0;
    /// Not owned; compared by identity.
    virtual IExitStrategyTemplate *exitStrategy() const = 0;
    virtual PriceLevels priceLevels() = 0;
    /// Not owned.
    virtual IMarketDataProvider *marketDataProvider() const = 0;
    /// Qt signals of the implementing class: the order settings, exit strategy or price levels
    /// changed; the market data provider changed.
    virtual void orderInfoChanged(Trade::IOrderInfoProvider *provider) const = 0;
    virtual void marketDataChanged(Trade::IOrderInfoProvider *provider) const = 0;
    ~IOrderInfoProvider() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IOrderInfoProvider *)
