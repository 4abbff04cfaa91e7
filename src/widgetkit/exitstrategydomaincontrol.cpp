#include "exitstrategydomaincontrol.h"

#include <typekit/objectwatch_p.h>

#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtWidgets/QComboBox>

#include <utility>

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
    // Letting the old provider go and subscribing to the new one call out (their detach and
    // attach slots): this control or the new provider may be gone when they return. A provider
    // that went while it was being subscribed to may have gone before its disposal was linked.
    const ObjectWatch self(this);
    const ObjectWatch incoming(provider);
    if (IActiveExitStrategyProvider *const old = std::exchange(m_activeStrategyProvider, nullptr))
        old->unsubscribe(this);
    if (self.isGone() || incoming.isGone())
        return;
    m_activeStrategyProvider = provider;
    provider->subscribe(this);
    if (self.isGone())
        return;
    if (incoming.isGone() && m_activeStrategyProvider == provider)
        m_activeStrategyProvider = nullptr;
    // The items keep their texts until the domain is set or updated, or the provider announces a
    // change.
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
        // Let go before the call out: the provider's detach slot may delete this control.
        std::exchange(m_activeStrategyProvider, nullptr)->unsubscribe(this);
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
        // Asking the host calls out: the answer may come from a provider that was disposed or
        // replaced while it answered (then the texts stay as they are), or after this control went.
        IActiveExitStrategyProvider *const provider = m_activeStrategyProvider;
        if (!provider)
            return;
        const Variant value = domain().values().at(i);
        const QString text = value.toString();
        const bool active = provider->isActive(value);
        if (self.isGone() || m_activeStrategyProvider != provider)
            return;
        comboControl()->setItemText(i, active ? QStringLiteral("%1 (Active)").arg(text) : text);
    }
}

} // namespace Trade
