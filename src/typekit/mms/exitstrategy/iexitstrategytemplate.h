#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>

namespace Trade {

/// An exit strategy template of the host: the set of exit levels an order can carry.
class TYPEKIT_EXPORT IExitStrategyTemplate
{
public:
    virtual ~IExitStrategyTemplate();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IExitStrategyTemplate *)
