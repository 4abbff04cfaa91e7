#pragma once

#include <controlkit/controlkit_export.h>

#include <notifierkit/commonabstractnotifier.h>

#include <basekit/dump.h>

namespace Trade {

/// The notifier base of the host's providers and controls: a Common::AbstractNotifier that is also
/// a Trade::INotifier, so that it can describe itself in a dump for logs and diagnostics.
///
///     class MyProvider : public QObject, public Trade::AbstractNotifier, public virtual IMyProvider
///
/// The class adds no behaviour to the notifier: subscriptions, calls and observer lifetime are
/// those of Common::AbstractNotifier.
class CONTROLKIT_EXPORT AbstractNotifier : public Common::AbstractNotifier, public virtual Trade::INotifier
{
public:
    AbstractNotifier();
    ~AbstractNotifier() override;

    /// A struct named after the object's class ("Trade::BrokerConnectionProvider"), with the
    /// object's name when it has one and a container "links" of the recorded links, each a struct
    /// of its signal, observer (class and address) and slot.
    Dump dump() const override;
};

} // namespace Trade
