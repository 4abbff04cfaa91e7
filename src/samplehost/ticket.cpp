#include "ticket.h"

namespace Sample {

MarketDataProvider::MarketDataProvider(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
}

MarketDataProvider::~MarketDataProvider()
{
    emit disposed(this);
}

TicketContext::TicketContext(QObject *parent) : Trade::OrderInfoProvider(parent)
{
}

TicketContext::~TicketContext() = default;

} // namespace Sample
