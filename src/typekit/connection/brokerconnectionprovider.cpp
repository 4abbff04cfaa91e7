#include "brokerconnectionprovider.h"

namespace Trade {

IBrokerConnectionProvider::~IBrokerConnectionProvider() = default;

BrokerConnectionProvider::BrokerConnectionProvider(QObject *parent) : QObject(parent)
{
}

BrokerConnectionProvider::~BrokerConnectionProvider()
{
    Q_EMIT disposed(this);
}

IBrokerConnection *BrokerConnectionProvider::brokerConnection() const
{
    return m_connection;
}

void BrokerConnectionProvider::setBrokerConnection(IBrokerConnection *connection)
{
    if (connection == m_connection)
        return;
    IBrokerConnection *const previous = m_connection;
    m_connection = connection;
    Q_EMIT connectionChanged(previous, this);
}

void BrokerConnectionProvider::copyFrom(IBrokerConnectionProvider *source)
{
    IBrokerConnection *const connection = source ? source->brokerConnection() : nullptr;
    if (connection != m_connection)
        setBrokerConnection(connection);
    else
        Q_EMIT connectionChanged(m_connection, this);
}

void BrokerConnectionProvider::attached_connectionChanged(const Link *link)
{
    // The argument types by the names the subscriber's slot declares them with.
    IBrokerConnectionProvider *const provider = this;
    call(*link, QGenericArgument("Trade::IBrokerConnection*", &m_connection),
         QGenericArgument("Trade::IBrokerConnectionProvider*", &provider));
}

} // namespace Trade
