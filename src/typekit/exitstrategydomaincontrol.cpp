#include "exitstrategydomaincontrol.h"

#include <typekit/objectwatch_p.h>

#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtWidgets/QComboBox>

namespace Trade {

namespace {
constexpr QStringView unit = u"exitstrategydomaincontrol";
} // namespace

IExitStrategyDomainControl::~IExitStrategyDomainControl() = default;

ExitStrategyDomainControl::ExitStrategyDomainControl(QWidget *parent) : DomainBasedControl(parent)
{
}

// The subscriptions on the provider go with the Qt object.
ExitStrategyDomainControl::~ExitStrategyDomainControl() = default;

void ExitStrategyDomainControl::setActiveExitStrategyProvider(IActiveExitStrategyProvider *provider)
{
    TRADE_ASSERT(provider != 0, u"Trade::ExitStrategyDomainControl::setActiveExitStrategyProvider", unit, this);
    if (!provider || provider == m_activeStrategyProvider)
        return;
    if (m_activeStrategyProvider)
        m_activeStrategyProvider->unsubscribe(this);
    m_activeStrategyProvider = provider;
    // The provider may greet its new subscriber, and so call out.
    const ObjectWatch self(this);
    provider->subscribe(this);
    if (!self.isGone())
        decorateActiveStrategy();
}

IActiveExitStrategyProvider *ExitStrategyDomainControl::activeStrategyProvider() const
{
    TRADE_ASSERT(0 != m_activeStrategyProvider, u"Trade::ExitStrategyDomainControl::activeStrategyProvider", unit,
                 this);
    return m_activeStrategyProvider;
}

void ExitStrategyDomainControl::setDomain(const Domain &domain)
{
    DomainBasedControl::setDomain(domain);
    decorateActiveStrategy();
}

void ExitStrategyDomainControl::update()
{
    DomainBasedControl::update();
    decorateActiveStrategy();
}

void ExitStrategyDomainControl::slot_activeExitStrategyChanged()
{
    decorateActiveStrategy();
}

void ExitStrategyDomainControl::slot_disposed(IDisposable *object)
{
    if (m_activeStrategyProvider && object == static_cast<IDisposable *>(m_activeStrategyProvider)) {
        m_activeStrategyProvider->unsubscribe(this);
        m_activeStrategyProvider = nullptr;
        return;
    }
    Shadow::LogStream(0, 4, unit, __LINE__, u"Trade::ExitStrategyDomainControl::slot_disposed", this)
        << "unknown disposed object";
}

void ExitStrategyDomainControl::decorateActiveStrategy()
{
    if (!m_activeStrategyProvider)
        return;
    const ObjectWatch self(this);
    for (int i = 0; i < domain().size(); ++i) {
        // Asking the host calls out: the provider may have been disposed by the last answer.
        IActiveExitStrategyProvider *provider = activeStrategyProvider();
        if (!provider)
            return;
        const Variant value = domain().values().at(i);
        const QString text = value.toString();
        const bool active = provider->isActive(value);
        if (self.isGone())
            return;
        comboControl()->setItemText(i, active ? QStringLiteral("%1 (Active)").arg(text) : text);
    }
}

} // namespace Trade
