#include "brokerconnectionprovider.h"

namespace Trade {

IBrokerConnectionProvider::~IBrokerConnectionProvider() = default;

BrokerConnectionProvider::BrokerConnectionProvider(QObject *parent) : QObject(parent)
{
}

BrokerConnectionProvider::~BrokerConnectionProvider()
{
    emit disposed(this);
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
    emit connectionChanged(previous, this);
}

void BrokerConnectionProvider::copyFrom(IBrokerConnectionProvider *source)
{
    IBrokerConnection *const connection = source ? source->brokerConnection() : nullptr;
    if (connection != m_connection)
        setBrokerConnection(connection);
    else
        emit connectionChanged(m_connection, this);
}

void BrokerConnectionProvider::attached_connectionChanged(const Link *link)
{
    call(*link, Q_ARG(Trade::IBrokerConnection *, m_connection),
         Q_ARG(Trade::IBrokerConnectionProvider *, this));
}

} // namespace Trade
