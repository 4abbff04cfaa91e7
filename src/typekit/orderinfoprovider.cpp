#include "orderinfoprovider.h"

#include <typekit/objectwatch_p.h>

#include <basekit/nonfatalstreamlogwrapper.h>

#include <utility>

namespace Trade {

namespace {
constexpr QStringView unit = u"orderinfoprovider";
} // namespace

IOrderInfoProvider::~IOrderInfoProvider() = default;
IOrderInfoProviderAggregator::~IOrderInfoProviderAggregator() = default;

OrderInfoProvider::OrderInfoProvider(QObject *parent) : SymbolAccountProvider(parent)
{
}

OrderInfoProvider::~OrderInfoProvider()
{
    Q_EMIT disposed(this);
}

QString OrderInfoProvider::symbolName()
{
    return m_symbolName;
}

bool OrderInfoProvider::symbolAutoMappingShouldBeDisallowed() const
{
    return m_symbolAutoMappingShouldBeDisallowed;
}

VariantRecord OrderInfoProvider::info()
{
    return m_info;
}

IExitStrategyTemplate *OrderInfoProvider::exitStrategy() const
{
    return m_exitStrategy;
}

PriceLevels OrderInfoProvider::priceLevels()
{
    return m_priceLevels;
}

IMarketDataProvider *OrderInfoProvider::marketDataProvider() const
{
    return m_marketDataProvider;
}

IOrderInfoProvider *OrderInfoProvider::provider() const
{
    return m_provider;
}

ISymbol *OrderInfoProvider::followedSymbol() const
{
    return m_provider ? m_provider->symbol() : nullptr;
}

IOrderInfoProvider *OrderInfoProvider::holder() const
{
    // A holder that is a Qt object is followed while it lives; one that is not is taken as live.
    return m_holderIsObject && m_holderObject.isNull() ? nullptr : m_holder;
}

void OrderInfoProvider::setSymbol(ISymbol *value)
{
    if (value != symbol() && !value) {
        const ObjectWatch self(this);
        resetData();
        if (self.isGone())
            return;
    }
    SymbolAccountProvider::setSymbol(value);
}

void OrderInfoProvider::setSymbolName(const QString &value)
{
    if (value == symbolName())
        return;
    m_symbolName = value;
    Q_EMIT symbolChanged(symbol(), this);
}

void OrderInfoProvider::setSymbolAutoMappingShouldBeDisallowed(bool value)
{
    m_symbolAutoMappingShouldBeDisallowed = value;
}

void OrderInfoProvider::setInfo(const VariantRecord &value)
{
    if (info() == value)
        return;
    m_info = value;
    Q_EMIT orderInfoChanged(this);
}

void OrderInfoProvider::setExitStrategy(IExitStrategyTemplate *value)
{
    if (exitStrategy() == value)
        return;
    m_exitStrategy = value;
    Q_EMIT orderInfoChanged(this);
}

void OrderInfoProvider::setPriceLevels(const PriceLevels &value)
{
    if (priceLevels() == value)
        return;
    m_priceLevels = value;
    Q_EMIT orderInfoChanged(this);
}

void OrderInfoProvider::setMarketDataProvider(IMarketDataProvider *provider)
{
    if (provider == m_marketDataProvider)
        return;
    // Letting the old provider go and subscribing to the new one call out (their detach and attach
    // slots): this provider or the new one may be gone when they return, and one that went while
    // it was subscribed to may have gone before its disposal was linked.
    const ObjectWatch self(this);
    const ObjectWatch incoming(provider);
    if (IMarketDataProvider *const old = std::exchange(m_marketDataProvider, nullptr))
        old->unsubscribe(this);
    if (self.isGone())
        return;
    if (provider && !incoming.isGone()) {
        m_marketDataProvider = provider;
        provider->subscribe(QByteArrayLiteral("disposed"), this, QByteArrayLiteral("onMarketDataProviderDisposed"));
        if (self.isGone())
            return;
        if (incoming.isGone() && m_marketDataProvider == provider)
            m_marketDataProvider = nullptr;
    }
    Q_EMIT marketDataChanged(this);
}

void OrderInfoProvider::resetData()
{
    const ObjectWatch self(this);
    setInfo(VariantRecord());
    if (self.isGone())
        return;
    setPriceLevels(PriceLevels());
}

void OrderInfoProvider::unsubscribeFrom(IOrderInfoProvider *provider)
{
    provider->unsubscribe(this);
    if (IBrokerConnectionProvider *connection = provider->connectionProvider())
        connection->unsubscribe(this);
}

void OrderInfoProvider::setExternalProvider(IOrderInfoProvider *provider)
{
    if (provider == m_provider)
        return;
    if (m_provider)
        unsubscribeFrom(m_provider);
    m_provider = provider;
    if (provider) {
        // The connection provider greets this provider with its connection at once, and what
        // this provider then announces may reach code that deletes either of the two.
        const ObjectWatch self(this);
        provider->subscribe(this);
        provider->subscribe(QByteArrayLiteral("disposed"), this, QByteArrayLiteral("onProviderDisposed"));
        if (IBrokerConnectionProvider *connection = provider->connectionProvider())
            connection->subscribe(this);
        if (self.isGone() || m_provider != provider)
            return;
    }
    copyFrom(m_provider);
}

void OrderInfoProvider::setExternalHolder(IOrderInfoProvider *holder)
{
    const bool isHolder = !holder || holder->as<ISymbolAccountHolder>() != nullptr;
    TRADE_ASSERT_AS(isHolder, u"holder == 0 || (holder->as<ISymbolAccountHolder>() != 0)",
                    u"Trade::OrderInfoProvider::setExternalHolder", unit, this);
    if (m_holder)
        unsubscribeFrom(this);
    m_holder = holder;
    m_holderObject = dynamic_cast<QObject *>(holder);
    m_holderIsObject = m_holderObject != nullptr;
    if (holder) {
        // From now on this provider observes its own signals; its slot_ slots push its account and
        // connection into the holder.
        subscribe(this);
        if (IBrokerConnectionProvider *connection = connectionProvider())
            connection->subscribe(this);
    }
}

void OrderInfoProvider::copyFrom(IOrderInfoProvider *source)
{
    // Every step announces something, and whoever hears it may delete this provider or the source,
    // or make this provider follow another one: then that one's state was copied meanwhile, and
    // this copy ends.
    const ObjectWatch self(this);
    const ObjectWatch watchedSource(source);
    IOrderInfoProvider *const following = m_provider;
    const auto gone = [this, &self, &watchedSource, following] {
        return self.isGone() || watchedSource.isGone() || m_provider != following;
    };

    if (BrokerConnectionProvider *connection = connectionProviderInternal())
        connection->copyFrom(source ? source->connectionProvider() : nullptr);
    if (gone())
        return;

    m_symbolName = source ? source->symbolName() : QString();

    ISymbol *const newSymbol = source ? source->symbol() : nullptr;
    if (newSymbol != symbol())
        setSymbol(newSymbol);
    else
        Q_EMIT symbolChanged(symbol(), this);
    if (gone())
        return;

    IAccount *const newAccount = source ? source->account() : nullptr;
    if (newAccount != account())
        setAccount(newAccount);
    else
        Q_EMIT accountChanged(account(), this);
    if (gone())
        return;

    const VariantRecord newInfo = source ? source->info() : VariantRecord();
    if (newInfo != info())
        setInfo(newInfo);
    else
        Q_EMIT orderInfoChanged(this);
    if (gone())
        return;

    m_exitStrategy = source ? source->exitStrategy() : nullptr;
    Q_EMIT orderInfoChanged(this);
    if (gone())
        return;

    const PriceLevels newLevels = source ? source->priceLevels() : PriceLevels();
    if (newLevels != priceLevels())
        setPriceLevels(newLevels);
    else
        Q_EMIT orderInfoChanged(this);
    if (gone())
        return;

    setMarketDataProvider(source ? source->marketDataProvider() : nullptr);
}

void OrderInfoProvider::onProviderDisposed(IDisposable *object)
{
    TRADE_ASSERT(object == m_provider, u"Trade::OrderInfoProvider::onProviderDisposed", unit, this);
    setExternalProvider(nullptr);
}

void OrderInfoProvider::onMarketDataProviderDisposed(IDisposable *object)
{
    TRADE_ASSERT(object == m_marketDataProvider, u"Trade::OrderInfoProvider::onMarketDataProviderDisposed", unit, this);
    if (!m_marketDataProvider)
        return;
    std::exchange(m_marketDataProvider, nullptr)->unsubscribe(this);
    Q_EMIT marketDataChanged(this);
}

void OrderInfoProvider::slot_symbolChanged(ISymbol *symbol, ISymbolAccountProvider *provider)
{
    if (provider == this)
        return;
    TRADE_ASSERT(m_provider != 0, u"Trade::OrderInfoProvider::slot_symbolChanged", unit, this);
    if (IOrderInfoProvider *const head = m_provider) {
        const QString name = head->symbolName();
        const bool nameChanged = name != symbolName();
        m_symbolName = name;
        if (nameChanged && provider && provider->symbol() == this->symbol()) {
            // Whoever hears this may delete this provider or the one announcing, or make this
            // provider follow another one (whose state it then took already).
            const ObjectWatch self(this);
            const ObjectWatch source(provider);
            Q_EMIT symbolChanged(this->symbol(), this);
            if (self.isGone() || source.isGone() || m_provider != head)
                return;
        }
    }
    // The announcing provider's symbol as it is now, as the base class takes it.
    setSymbol(provider ? provider->symbol() : symbol);
}

void OrderInfoProvider::slot_connectionChanged(IBrokerConnection *, IBrokerConnectionProvider *provider)
{
    if (!provider)
        return;
    IBrokerConnection *const connection = provider->brokerConnection();
    IOrderInfoProvider *const target = holder();
    if (target && provider == connectionProvider()) {
        if (IBrokerConnectionProvider *targetConnection = target->connectionProvider()) {
            const ObjectWatch self(this);
            targetConnection->setBrokerConnection(connection);
            if (self.isGone())
                return;
        }
    }
    if (IBrokerConnectionProvider *own = connectionProvider())
        own->setBrokerConnection(connection);
}

void OrderInfoProvider::slot_accountChanged(IAccount *account, ISymbolAccountProvider *provider)
{
    if (provider != this) {
        setAccount(provider ? provider->account() : account);
        return;
    }
    // This provider's own account as it is now (an observer that heard the announcement first
    // may have changed it).
    if (IOrderInfoProvider *const target = holder()) {
        if (ISymbolAccountHolder *const accounts = target->as<ISymbolAccountHolder>())
            accounts->setAccount(this->account());
    }
}

void OrderInfoProvider::slot_orderInfoChanged(IOrderInfoProvider *provider)
{
    if (!provider)
        return;
    const ObjectWatch self(this);
    const ObjectWatch source(provider);
    setInfo(provider->info());
    if (self.isGone() || source.isGone())
        return;
    IExitStrategyTemplate *const strategy = provider->exitStrategy();
    if (strategy == exitStrategy())
        return;
    m_exitStrategy = strategy;
    Q_EMIT orderInfoChanged(this);
}

void OrderInfoProvider::slot_marketDataChanged(IOrderInfoProvider *provider)
{
    if (provider)
        setMarketDataProvider(provider->marketDataProvider());
}

} // namespace Trade
