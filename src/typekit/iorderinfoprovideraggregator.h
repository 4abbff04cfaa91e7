#pragma once

#include <typekit/iorderinfoprovider.h>
#include <typekit/typekit_export.h>

namespace Trade {

/// An order ticket's context that can be chained: it may follow an external provider (taking
/// over everything that one has and following its changes) and push its own symbol, account and
/// connection into an external holder.
class TYPEKIT_EXPORT IOrderInfoProviderAggregator : public virtual IOrderInfoProvider
{
public:
    /// Null stops following and resets every item.
    virtual void setExternalProvider(Trade::IOrderInfoProvider *provider) = 0;
    /// The holder must also be a Trade::ISymbolAccountHolder; null stops pushing.
    virtual void setExternalHolder(Trade::IOrderInfoProvider *holder) = 0;
    ~IOrderInfoProviderAggregator() override;
};

} // namespace Trade
