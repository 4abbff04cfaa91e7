#pragma once

#include <typekit/isymbolaccountprovider.h>
#include <typekit/typekit_export.h>

namespace Trade {

/// A context provider whose symbol and account others may set: the target of a provider that
/// pushes its own context on (see Trade::IOrderInfoProviderAggregator::setExternalHolder).
class TYPEKIT_EXPORT ISymbolAccountHolder : public virtual ISymbolAccountProvider
{
public:
    virtual void setSymbol(Trade::ISymbol *value) = 0;
    virtual void setAccount(Trade::IAccount *value) = 0;
    ~ISymbolAccountHolder() override;
};

} // namespace Trade
