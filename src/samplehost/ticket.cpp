#include "ticket.h"

#include <samplehost/registry_p.h>

namespace Sample {

namespace {

Registry<ExitStrategyTemplate> &templates()
{
    static Registry<ExitStrategyTemplate> s;
    return s;
}

const int s_templateConverterId =
    qRegisterMetaType<ExitStrategyTemplateConverter>("Trade::IExitStrategyTemplate*Converter");

} // namespace

MarketDataProvider::MarketDataProvider(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
}

MarketDataProvider::~MarketDataProvider()
{
    Q_EMIT disposed(this);
}

ExitStrategyTemplate::ExitStrategyTemplate(const QString &name) : m_name(name)
{
    templates().add(name, this);
}

ExitStrategyTemplate::~ExitStrategyTemplate()
{
    templates().remove(this);
}

ExitStrategyTemplate *ExitStrategyTemplate::byName(const QString &name)
{
    return templates().find(name);
}

QString ExitStrategyTemplateKeys::keyOf(const Trade::IExitStrategyTemplate *strategy)
{
    const auto *sample = dynamic_cast<const ExitStrategyTemplate *>(strategy);
    return sample ? sample->name() : QString();
}

Trade::IExitStrategyTemplate *ExitStrategyTemplateKeys::find(const QString &name, const Trade::Variant &)
{
    return name.isEmpty() ? nullptr : ExitStrategyTemplate::byName(name);
}

ActiveExitStrategyProvider::ActiveExitStrategyProvider(QObject *parent) : QObject(parent)
{
}

ActiveExitStrategyProvider::~ActiveExitStrategyProvider()
{
    Q_EMIT disposed(this);
}

bool ActiveExitStrategyProvider::isActive(const Trade::Variant &value) const
{
    return m_active && value.valueOr<Trade::IExitStrategyTemplate *>(nullptr) == m_active;
}

void ActiveExitStrategyProvider::setActiveTemplate(Trade::IExitStrategyTemplate *value)
{
    if (value == m_active)
        return;
    m_active = value;
    Q_EMIT activeExitStrategyChanged(this);
}

TicketContext::TicketContext(QObject *parent) : Trade::OrderInfoProvider(parent)
{
}

TicketContext::~TicketContext() = default;

} // namespace Sample
