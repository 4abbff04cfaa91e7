#pragma once

#include <typekit/connection/ibrokerconnectionprovider.h>
#include <typekit/typekit_export.h>

#include <controlkit/abstractnotifier.h>

#include <QtCore/QObject>

namespace Trade {

/// Holds the broker connection a widget works with and announces every change.
///
///     Trade::BrokerConnectionProvider connection(parent);
///     connection.subscribe(observer);     // observer has slot_connectionChanged(...)
///     connection.setBrokerConnection(c);  // observer hears connectionChanged(previous, provider)
///
/// A subscriber to connectionChanged is greeted at once with the current connection (in the place
/// of the previous one), and only it: the others hear nothing then.
class TYPEKIT_EXPORT BrokerConnectionProvider : public QObject,
                                                public AbstractNotifier,
                                                public virtual IBrokerConnectionProvider
{
    Q_OBJECT

public:
    explicit BrokerConnectionProvider(QObject *parent = nullptr);
    /// Emits disposed first.
    ~BrokerConnectionProvider() override;

    IBrokerConnection *brokerConnection() const override;
    void setBrokerConnection(IBrokerConnection *connection) override;
    /// Takes the source's connection (none from a null source) and always emits exactly one
    /// connectionChanged, also when the connection stays the same.
    void copyFrom(IBrokerConnectionProvider *source);

protected:
    Q_SIGNAL void connectionChanged(Trade::IBrokerConnection *previous,
                                    Trade::IBrokerConnectionProvider *) const override;
    Q_SIGNAL void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_connectionChanged(const Link *link);

private:
    IBrokerConnection *m_connection = nullptr;
};

} // namespace Trade
