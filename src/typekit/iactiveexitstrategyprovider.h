#pragma once

#include <typekit/typekit_export.h>

#include <notifierkit/idisposable.h>
#include <notifierkit/inotifier.h>

#include <basekit/variant.h>

namespace Trade {

/// The host's knowledge of which exit strategy is active (the one its orders get unless the user
/// picks another). The library holds it by pointer, never owns it, and lets go of it when it says
/// it is going away.
class TYPEKIT_EXPORT IActiveExitStrategyProvider : public virtual INotifier, public virtual IDisposable
{
public:
    /// Whether the value (an exit strategy, as a domain of exit strategies holds it) is the active
    /// one.
    virtual bool isActive(const Trade::Variant &value) const = 0;
    /// A Qt signal of the implementing class: another exit strategy is active now, or none is.
    virtual void activeExitStrategyChanged(Trade::IActiveExitStrategyProvider *provider) const = 0;

    ~IActiveExitStrategyProvider() override;
};

} // namespace Trade
