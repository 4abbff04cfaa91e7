#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>

namespace Trade {

/// A stop strategy template of the host: how a position's protective stop moves.
class TYPEKIT_EXPORT IStopStrategyTemplate
{
public:
    virtual ~IStopStrategyTemplate();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IStopStrategyTemplate *)
