#pragma once

#include <typekit/iorderinfoprovideraggregator.h>
#include <typekit/symbolaccountprovider.h>
#include <typekit/typekit_export.h>

#include <QtCore/QPointer>

namespace Trade {

/// The context of an order ticket: besides the symbol, account and broker connection of
/// Trade::SymbolAccountProvider, the symbol's display name, the order settings, the exit strategy,
/// two price levels, a market data provider and whether the symbol may be mapped automatically.
///
/// Providers chain. A provider may follow an external provider: it takes over everything that one
/// has and keeps following its changes (symbol, account, connection, order settings, exit
/// strategy, market data provider).
///
///     Trade::OrderInfoProvider ticket, follower;
///     follower.setExternalProvider(&ticket);   // follower now shows ticket's context
///     ticket.setSymbol(&es);                   // ticket, then follower, announce symbolChanged
///
/// It may also push its own account and broker connection into an external holder, which must be
/// a Trade::ISymbolAccountHolder as well (another provider, for instance). A holder that is a
/// QObject is followed while it lives; one that is not is pushed into until the holder is changed
/// (to null included) or this provider goes, so it must live as long.
class TYPEKIT_EXPORT OrderInfoProvider : public SymbolAccountProvider, public virtual IOrderInfoProviderAggregator
{
    Q_OBJECT

public:
    explicit OrderInfoProvider(QObject *parent = nullptr);
    /// Emits disposed, and the base part emits it once more: an observer that let go on the first
    /// does not hear the second.
    ~OrderInfoProvider() override;

    QString symbolName() override;
    bool symbolAutoMappingShouldBeDisallowed() const override;
    VariantRecord info() override;
    IExitStrategyTemplate *exitStrategy() const override;
    PriceLevels priceLevels() override;
    IMarketDataProvider *marketDataProvider() const override;

    /// The same provider again changes nothing; another one (null included) is followed from now
    /// on and copied at once.
    void setExternalProvider(Trade::IOrderInfoProvider *provider) override;
    void setExternalHolder(Trade::IOrderInfoProvider *holder) override;
    /// Takes every item of the source (the empty one of each from a null source). Every item is
    /// announced, changed or not: one connectionChanged (from the connection provider), one
    /// symbolChanged, one accountChanged and three orderInfoChanged (settings, exit strategy,
    /// price levels), besides those of clearing the settings when the symbol becomes null;
    /// marketDataChanged only when the market data provider changes.
    void copyFrom(Trade::IOrderInfoProvider *source);

protected:
    Q_SIGNAL void orderInfoChanged(Trade::IOrderInfoProvider *provider) const override;
    Q_SIGNAL void marketDataChanged(Trade::IOrderInfoProvider *provider) const override;

public Q_SLOTS:
    /// A null symbol in the place of one clears the order settings and price levels first.
    void setSymbol(Trade::ISymbol *value) override;
    /// A new name is announced as a symbol change.
    void setSymbolName(const QString &value);
    void setSymbolAutoMappingShouldBeDisallowed(bool value);
    /// Each announces a change with orderInfoChanged; an equal value changes nothing.
    void setInfo(const Trade::VariantRecord &value);
    void setExitStrategy(Trade::IExitStrategyTemplate *value);
    void setPriceLevels(const Trade::PriceLevels &value);

protected:
    /// The external provider, or null.
    IOrderInfoProvider *provider() const;
    /// The external provider's symbol.
    ISymbol *followedSymbol() const override;
    /// Follows a new market data provider until it is disposed, and announces it. Protected so
    /// that a host's own ticket context can hand in the market data of its ticket.
    void setMarketDataProvider(IMarketDataProvider *provider);

private Q_SLOTS:
    void onProviderDisposed(Trade::IDisposable *object);
    void onMarketDataProviderDisposed(Trade::IDisposable *object);
    void slot_symbolChanged(Trade::ISymbol *symbol, Trade::ISymbolAccountProvider *provider);
    void slot_connectionChanged(Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *provider);
    void slot_accountChanged(Trade::IAccount *account, Trade::ISymbolAccountProvider *provider);
    void slot_orderInfoChanged(Trade::IOrderInfoProvider *provider);
    void slot_marketDataChanged(Trade::IOrderInfoProvider *provider);

private:
    void resetData();
    /// Drops every subscription of this provider on a provider and on its connection provider.
    void unsubscribeFrom(IOrderInfoProvider *provider);
    IOrderInfoProvider *holder() const;

    QString m_symbolName;
    VariantRecord m_info;
    IExitStrategyTemplate *m_exitStrategy = nullptr;
    IOrderInfoProvider *m_provider = nullptr;
    IOrderInfoProvider *m_holder = nullptr;
    IMarketDataProvider *m_marketDataProvider = nullptr;
    PriceLevels m_priceLevels;
    bool m_symbolAutoMappingShouldBeDisallowed = false;
    /// The holder's Qt object: a holder that has gone away receives nothing more.
    QPointer<QObject> m_holderObject;
    /// Whether the holder is a Qt object (and so followed through m_holderObject).
    bool m_holderIsObject = false;
};

} // namespace Trade
