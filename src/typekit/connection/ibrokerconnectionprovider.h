#pragma once

#include <typekit/symbol/isymbol.h>
#include <typekit/typekit_export.h>

#include <notifierkit/idisposable.h>
#include <notifierkit/inotifier.h>

#include <QtCore/QMetaType>

namespace Trade {

/// The broker connection a widget works with, and its changes.
class TYPEKIT_EXPORT IBrokerConnectionProvider : public virtual Common::INotifier, public virtual IDisposable
{
public:
    /// The current connection, or null; not owned.
    virtual IBrokerConnection *brokerConnection() const = 0;
    /// Announces a new connection with connectionChanged; the current one again changes nothing.
    virtual void setBrokerConnection(IBrokerConnection *connection) = 0;
    /// A Qt signal of the implementing class. A new subscriber is told the current connection at
    /// once, in the place of the previous one, so that it never has to ask.
    virtual void connectionChanged(Trade::IBrokerConnection *previous,
                                   Trade::IBrokerConnectionProvider *provider) const = 0;
    ~IBrokerConnectionProvider() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IBrokerConnectionProvider *)
