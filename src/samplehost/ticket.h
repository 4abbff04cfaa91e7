// What the sample host hands the context of an order ticket: market data providers, exit
// strategy templates, and the ticket's own context, which the host feeds with the market data of
// its ticket. A plug-in's providers follow that context as their external provider:
//
//     Sample::TicketContext ticket;                     // the host's ticket
//     Sample::MarketDataProvider quotes(QStringLiteral("ESZ26 quotes"));
//     ticket.setMarketDataProvider(&quotes);            // marketDataChanged
//     Trade::OrderInfoProvider plugin;
//     plugin.setExternalProvider(&ticket);              // plugin.marketDataProvider() == &quotes
//
// None of these is owned by the providers that hold it: the host deletes them whenever it likes,
// and the holders let go on disposed (market data) or never look inside (templates).
#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/imarketdataprovider.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/orderinfoprovider.h>

#include <controlkit/abstractnotifier.h>

#include <QtCore/QObject>
#include <QtCore/QString>

namespace Sample {

class SAMPLEHOST_EXPORT MarketDataProvider final : public QObject,
                                                   public Trade::AbstractNotifier,
                                                   public Trade::IMarketDataProvider
{
    Q_OBJECT

public:
    explicit MarketDataProvider(const QString &name, QObject *parent = nullptr);
    // Emits disposed first.
    ~MarketDataProvider() override;
    QString name() const { return m_name; }

Q_SIGNALS:
    void disposed(Trade::IDisposable *object) const override;

private:
    QString m_name;
};

class SAMPLEHOST_EXPORT ExitStrategyTemplate final : public Trade::IExitStrategyTemplate
{
public:
    explicit ExitStrategyTemplate(const QString &name) : m_name(name) {}
    QString name() const { return m_name; }

private:
    QString m_name;
};

// The context of one of the host's order tickets: an order info provider whose market data
// provider the host sets.
class SAMPLEHOST_EXPORT TicketContext final : public Trade::OrderInfoProvider
{
    Q_OBJECT

public:
    explicit TicketContext(QObject *parent = nullptr);
    ~TicketContext() override;

    // Announced with marketDataChanged; followed until it is disposed.
    using Trade::OrderInfoProvider::setMarketDataProvider;
};

} // namespace Sample
