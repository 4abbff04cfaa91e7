#pragma once

#include <typekit/typekit_export.h>

#include <notifierkit/idisposable.h>
#include <notifierkit/inotifier.h>

#include <QtCore/QMetaType>

namespace Trade {

/// The host's source of market data for an order ticket. The library holds it by pointer, never
/// owns it, and lets go of it when it says it is going away.
class TYPEKIT_EXPORT IMarketDataProvider : public virtual Common::INotifier, public virtual IDisposable
{
public:
    ~IMarketDataProvider() override;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IMarketDataProvider *)
