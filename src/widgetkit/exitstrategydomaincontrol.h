#pragma once

#include <widgetkit/domainbasedcontrol.h>
#include <widgetkit/icontrol.h>
#include <widgetkit/widgetkit_export.h>

#include <typekit/iactiveexitstrategyprovider.h>

namespace Trade {

/// A choice among exit strategy templates that marks the host's active one, as its provider says.
class WIDGETKIT_EXPORT IExitStrategyDomainControl : public virtual IDomainBasedControl
{
public:
    virtual void setActiveExitStrategyProvider(Trade::IActiveExitStrategyProvider *provider) = 0;

    ~IExitStrategyDomainControl() override;
};

/// The combo box in which the user picks an exit strategy. Its items are the values of a domain
/// of exit strategies; the item of the host's active exit strategy is marked " (Active)", and the
/// mark follows the host's active exit strategy provider:
///
///     Trade::ExitStrategyDomainControl control(parent);
///     control.setActiveExitStrategyProvider(provider);   // not owned; let go when disposed
///     control.setDomain(strategies);                      // "Breakeven", "Two targets (Active)"
///
/// Values, read-only and enabled states are those of Trade::DomainBasedControl.
class WIDGETKIT_EXPORT ExitStrategyDomainControl : public DomainBasedControl, public virtual IExitStrategyDomainControl
{
    Q_OBJECT

public:
    explicit ExitStrategyDomainControl(QWidget *parent = nullptr);
    ~ExitStrategyDomainControl() override;

    /// Follows the provider from now on, in the place of the one before, and marks the items as
    /// it tells at once. A null provider is reported and changes nothing: the control keeps the
    /// provider it has, and its marks.
    void setActiveExitStrategyProvider(Trade::IActiveExitStrategyProvider *provider) override;
    /// The base's, then the active item is marked.
    void setDomain(const Trade::Domain &domain) override;
    void update() override;

private Q_SLOTS:
    void slot_activeExitStrategyChanged();
    void slot_disposed(Trade::IDisposable *object);

private:
    IActiveExitStrategyProvider *activeStrategyProvider() const;
    /// Rewrites every item's text, marking those the provider calls active; nothing without a
    /// provider.
    void decorateActiveStrategy();

    IActiveExitStrategyProvider *m_activeStrategyProvider = nullptr;
};

} // namespace Trade
