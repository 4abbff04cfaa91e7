/// \class Trade::ISymbolAccountHolder
/// A context provider whose symbol and account others may set: the target of a provider that
/// pushes its own context on (see Trade::IOrderInfoProviderAggregator::setExternalHolder).
#pragma once

#include <typekit/isymbolaccountprovider.h>
#include <typekit/typekit_export.h>

namespace Trade {

class TYPEKIT_EXPORT ISymbolAccountHolder : public virtual ISymbolAccountProvider
{
public:
    virtual void setSymbol(Trade::ISymbol *value) = 0;
    virtual void setAccount(Trade::IAccount *value) = 0;
    ~ISymbolAccountHolder() override;
};

} // namespace Trade
