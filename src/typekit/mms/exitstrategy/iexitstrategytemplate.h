/// \class Trade::IExitStrategyTemplate
/// An exit strategy template of the host: the set of exit levels an order can carry.
#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>

namespace Trade {

class TYPEKIT_EXPORT IExitStrategyTemplate
{
public:
    virtual ~IExitStrategyTemplate();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IExitStrategyTemplate *)
