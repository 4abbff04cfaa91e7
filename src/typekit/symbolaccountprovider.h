#pragma once

#include <typekit/connection/brokerconnectionprovider.h>
#include <typekit/isymbolaccountholder.h>
#include <typekit/typekit_export.h>

#include <controlkit/abstractnotifier.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>

namespace Trade {

/// The basic context provider: holds a symbol, an account and a broker connection provider, and
/// announces every change of the symbol and the account.
///
///     Trade::SymbolAccountProvider context;
///     context.subscribe(observer);   // observer has slot_symbolChanged(...), slot_accountChanged(...)
///     context.setSymbol(symbol);     // observer hears symbolChanged(symbol, &context)
///
/// The provider follows the life of its symbol: a symbol that is disposed is dropped; a symbol
/// that the host's core stops resolving is dropped too (symbolChanged(nullptr, ...)) and watched
/// until it is resolved again, when it comes back with a second symbolChanged. An unresolved
/// symbol handed to setSymbol is accepted as it is, with a log line.
///
/// With its slot_ slots a provider follows another provider it is subscribed to:
///
///     head.subscribe(&follower);     // follower takes head's symbol and account from now on
class TYPEKIT_EXPORT SymbolAccountProvider : public QObject,
                                             public AbstractNotifier,
                                             public virtual ISymbolAccountHolder
{
    Q_OBJECT

public:
    explicit SymbolAccountProvider(QObject *parent = nullptr);
    /// Emits disposed first; the subscriptions on the symbols go with the Qt object, and the
    /// connection provider with it.
    ~SymbolAccountProvider() override;

    /// Always true.
    bool providesSymbol() const override;
    ISymbol *symbol() const override;
    /// Whether an account is set.
    bool providesAccount() const override;
    IAccount *account() const override;
    /// A child of this provider.
    IBrokerConnectionProvider *connectionProvider() const override;

protected:
    Q_SIGNAL void symbolChanged(Trade::ISymbol *symbol, Trade::ISymbolAccountProvider *provider) const override;
    Q_SIGNAL void accountChanged(Trade::IAccount *account, Trade::ISymbolAccountProvider *provider) const override;
    Q_SIGNAL void disposed(Trade::IDisposable *object) const override;

public Q_SLOTS:
    /// Ends any watching of an unresolved symbol; a new symbol (null included) is announced, the
    /// current one changes nothing.
    void setSymbol(Trade::ISymbol *value) override;
    void setAccount(Trade::IAccount *value) override;

protected:
    BrokerConnectionProvider *connectionProviderInternal() const;
    /// The symbol of the provider this one follows; null when it follows none. A symbol that
    /// provider holds is kept when it loses its resolution: the followed provider drops it (and
    /// this one with it), or chose it again after it lost its resolution.
    virtual ISymbol *followedSymbol() const;

private Q_SLOTS:
    void onSymbolDisposed(Trade::IDisposable *);
    void slot_symbolChanged(Trade::ISymbol *symbol, Trade::ISymbolAccountProvider *);
    void slot_symbolResolveChanged(Trade::ISymbol *symbol);
    void slot_accountChanged(Trade::IAccount *account, Trade::ISymbolAccountProvider *);

private:
    ISymbol *m_symbol = nullptr;
    /// The symbol that was current until the core stopped resolving it, watched until it is
    /// resolved again.
    ISymbol *m_resolvingSymbol = nullptr;
    IAccount *m_account = nullptr;
    QPointer<BrokerConnectionProvider> m_connectionProvider;
};

/// The base of objects that follow a symbol on behalf of a provider. It has a meta-object, so that
/// such objects can be told apart with qobject_cast, and no behaviour of its own.
class TYPEKIT_EXPORT SymbolTracker : public QObject
{
    Q_OBJECT

public:
    explicit SymbolTracker(QObject *parent = nullptr);
    ~SymbolTracker() override;
};

} // namespace Trade
