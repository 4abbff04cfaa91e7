/// \class Trade::IAccount
/// A trading account of the host.
#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace Trade {

class TYPEKIT_EXPORT IAccount
{
public:
    /// The account's identifier.
    virtual QString id() const = 0;
    virtual ~IAccount();
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IAccount *)
