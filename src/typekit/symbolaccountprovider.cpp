#include "symbolaccountprovider.h"

#include <typekit/connection/brokerconnectionprovider.h>
#include <typekit/objectwatch_p.h>

#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>

#include <utility>

namespace Trade {

namespace {
constexpr QStringView unit = u"symbolaccountprovider";
} // namespace

ISymbolAccountProvider::~ISymbolAccountProvider() = default;
ISymbolAccountHolder::~ISymbolAccountHolder() = default;

SymbolAccountProvider::SymbolAccountProvider(QObject *parent)
    : QObject(parent), m_connectionProvider(new BrokerConnectionProvider(this))
{
}

SymbolAccountProvider::~SymbolAccountProvider()
{
    Q_EMIT disposed(this);
}

bool SymbolAccountProvider::providesSymbol() const
{
    return true;
}

ISymbol *SymbolAccountProvider::symbol() const
{
    return m_symbol;
}

bool SymbolAccountProvider::providesAccount() const
{
    return account() != nullptr;
}

IAccount *SymbolAccountProvider::account() const
{
    return m_account;
}

IBrokerConnectionProvider *SymbolAccountProvider::connectionProvider() const
{
    return m_connectionProvider.data();
}

BrokerConnectionProvider *SymbolAccountProvider::connectionProviderInternal() const
{
    return m_connectionProvider.data();
}

ISymbol *SymbolAccountProvider::followedSymbol() const
{
    return nullptr;
}

void SymbolAccountProvider::setSymbol(ISymbol *value)
{
    if (ISymbol *const resolving = std::exchange(m_resolvingSymbol, nullptr))
        resolving->unsubscribe(this);
    if (m_symbol == value)
        return;
    if (m_symbol)
        m_symbol->unsubscribe(this);
    m_symbol = value;
    if (value) {
        if (!value->isResolved()) {
            Shadow::LogStream(0, 3, unit, __LINE__, u"Trade::SymbolAccountProvider::setSymbol", this)
                << " Symbol=" << value->name() << " is not resolved by core. It will be reset when subscribe";
        }
        value->subscribe(QByteArrayLiteral("disposed"), this, QByteArrayLiteral("onSymbolDisposed"));
        value->subscribe(this, QByteArrayLiteral("symbolResolveChanged"));
    }
    Q_EMIT symbolChanged(m_symbol, this);
}

void SymbolAccountProvider::setAccount(IAccount *value)
{
    if (account() == value)
        return;
    m_account = value;
    Q_EMIT accountChanged(m_account, this);
}

void SymbolAccountProvider::onSymbolDisposed(IDisposable *object)
{
    IDisposable *const symbol = object;
    TRADE_ASSERT(m_symbol == symbol || symbol == m_resolvingSymbol, u"Trade::SymbolAccountProvider::onSymbolDisposed",
                 unit, this);
    setSymbol(nullptr);
}

// The followed provider's symbol and account as they are now: an observer that heard the
// announcement before this one may have changed them since (a host that maps the symbol, say).
void SymbolAccountProvider::slot_symbolChanged(ISymbol *symbol, ISymbolAccountProvider *provider)
{
    setSymbol(provider ? provider->symbol() : symbol);
}

void SymbolAccountProvider::slot_symbolResolveChanged(ISymbol *symbol)
{
    TRADE_ASSERT(symbol == m_symbol || symbol == m_resolvingSymbol,
                 u"Trade::SymbolAccountProvider::slot_symbolResolveChanged", unit, this);
    if (!symbol)
        return;
    if (symbol->isResolved()) {
        setSymbol(symbol);
        return;
    }
    if (symbol != m_symbol || symbol == followedSymbol())
        return;
    // Dropped and announced first; the observers of that announcement may delete the symbol or
    // this provider, choose another symbol (or this one again), or the host may resolve it. What
    // they chose stands; a symbol resolved meanwhile is current again.
    const ObjectWatch self(this);
    const ObjectWatch watchedSymbol(symbol);
    setSymbol(nullptr);
    if (self.isGone() || watchedSymbol.isGone() || m_symbol || m_resolvingSymbol)
        return;
    if (symbol->isResolved()) {
        setSymbol(symbol);
        return;
    }
    m_resolvingSymbol = symbol;
    symbol->subscribe(this, QByteArrayLiteral("symbolResolveChanged"));
    symbol->subscribe(QByteArrayLiteral("disposed"), this, QByteArrayLiteral("onSymbolDisposed"));
}

void SymbolAccountProvider::slot_accountChanged(IAccount *account, ISymbolAccountProvider *provider)
{
    setAccount(provider ? provider->account() : account);
}

SymbolTracker::SymbolTracker(QObject *parent) : QObject(parent)
{
}

SymbolTracker::~SymbolTracker() = default;

} // namespace Trade
