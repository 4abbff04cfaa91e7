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
// The host's active exit strategy provider says which template is active; a choice control of exit
// strategies marks that one and follows its changes:
//
//     Sample::ExitStrategyTemplate breakeven(QStringLiteral("Breakeven")), targets(QStringLiteral("Two targets"));
//     Sample::ActiveExitStrategyProvider active;
//     active.setActiveTemplate(&targets);              // activeExitStrategyChanged
//
// None of these is owned by the providers and controls that hold it: the host deletes them
// whenever it likes, and the holders let go on disposed (market data, the active exit strategy
// provider) or never look inside (templates).
//
// Saved orders keep their exit strategy template by name: the sample host registers the converter
// of "Trade::IExitStrategyTemplate*", which finds a live sample template of that name again and
// shows a template as its name.
#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/iactiveexitstrategyprovider.h>
#include <typekit/imarketdataprovider.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/orderinfoprovider.h>

#include <samplehost/keyedconverter.h>
#include <controlkit/abstractnotifier.h>

#include <QtCore/QObject>
#include <QtCore/QString>

namespace Sample {

/// A market data provider that a test drives by hand: a notifier that announces `disposed` when
/// it is destroyed, as a ticket's providers expect of the host's.
class SAMPLEHOST_EXPORT MarketDataProvider final : public QObject,
                                                   public Trade::AbstractNotifier,
                                                   public Trade::IMarketDataProvider
{
    Q_OBJECT

public:
    explicit MarketDataProvider(const QString &name, QObject *parent = nullptr);
    /// Emits disposed first.
    ~MarketDataProvider() override;
    QString name() const { return m_name; }

protected:
    Q_SIGNAL void disposed(Trade::IDisposable *object) const override;

private:
    QString m_name;
};

/// A template known by its name, as long as it lives.
class SAMPLEHOST_EXPORT ExitStrategyTemplate final : public Trade::IExitStrategyTemplate
{
public:
    explicit ExitStrategyTemplate(const QString &name);
    ~ExitStrategyTemplate() override;
    Q_DISABLE_COPY_MOVE(ExitStrategyTemplate)

    QString name() const { return m_name; }
    /// A live template of that name, or null.
    static ExitStrategyTemplate *byName(const QString &name);

private:
    QString m_name;
};

/// The converter of "Trade::IExitStrategyTemplate*": a template is shown and saved as its name and
/// loaded back as the live sample template of that name (null when none lives). Templates of
/// other hosts have no name here: they show as empty texts and load as null.
struct SAMPLEHOST_EXPORT ExitStrategyTemplateKeys
{
    static QString keyOf(const Trade::IExitStrategyTemplate *strategy);
    static Trade::IExitStrategyTemplate *find(const QString &name, const Trade::Variant &context);
};
/// The registered converter of exit strategy templates: saved by name, loaded back as the live
/// template of that name.
class SAMPLEHOST_EXPORT ExitStrategyTemplateConverter
    : public KeyedPointerConverter<Trade::IExitStrategyTemplate, ExitStrategyTemplateKeys>
{};

/// Which template is active, as the host's settings say. Domain values are active when they hold
/// exactly the active template (compared by address; the template is never looked into).
class SAMPLEHOST_EXPORT ActiveExitStrategyProvider final : public QObject,
                                                           public Trade::AbstractNotifier,
                                                           public Trade::IActiveExitStrategyProvider
{
    Q_OBJECT

public:
    explicit ActiveExitStrategyProvider(QObject *parent = nullptr);
    /// Emits disposed first.
    ~ActiveExitStrategyProvider() override;

    bool isActive(const Trade::Variant &value) const override;
    Trade::IExitStrategyTemplate *activeTemplate() const { return m_active; }
    /// Another template (null: none) is announced with activeExitStrategyChanged.
    void setActiveTemplate(Trade::IExitStrategyTemplate *value);

protected:
    Q_SIGNAL void activeExitStrategyChanged(Trade::IActiveExitStrategyProvider *provider) const override;
    Q_SIGNAL void disposed(Trade::IDisposable *object) const override;

private:
    Trade::IExitStrategyTemplate *m_active = nullptr;
};

/// The context of one of the host's order tickets: an order info provider whose market data
/// provider the host sets.
class SAMPLEHOST_EXPORT TicketContext final : public Trade::OrderInfoProvider
{
    Q_OBJECT

public:
    explicit TicketContext(QObject *parent = nullptr);
    ~TicketContext() override;

    /// Announced with marketDataChanged; followed until it is disposed.
    using Trade::OrderInfoProvider::setMarketDataProvider;
};

} // namespace Sample
