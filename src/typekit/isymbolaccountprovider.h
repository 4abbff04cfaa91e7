#pragma once

#include <typekit/connection/ibrokerconnectionprovider.h>
#include <typekit/iaccount.h>
#include <typekit/symbol/isymbol.h>
#include <typekit/typekit_export.h>

#include <notifierkit/idisposable.h>
#include <notifierkit/inotifier.h>

#include <QtCore/QMetaType>

namespace Trade {

/// A context provider: tells the host's order and trading widgets which symbol and which account
/// they currently work on, with which broker connection, and announces every change.
class TYPEKIT_EXPORT ISymbolAccountProvider : public virtual Common::INotifier, public virtual IDisposable
{
public:
    virtual bool providesSymbol() const = 0;
    /// The current symbol, or null; not owned.
    virtual ISymbol *symbol() const = 0;
    virtual bool providesAccount() const = 0;
    /// The current account, or null; not owned.
    virtual IAccount *account() const = 0;
    virtual IBrokerConnectionProvider *connectionProvider() const = 0;
    /// Qt signals of the implementing class.
    virtual void symbolChanged(Trade::ISymbol *symbol, Trade::ISymbolAccountProvider *provider) const = 0;
    virtual void accountChanged(Trade::IAccount *account, Trade::ISymbolAccountProvider *provider) const = 0;
    ~ISymbolAccountProvider() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::ISymbolAccountProvider *)
