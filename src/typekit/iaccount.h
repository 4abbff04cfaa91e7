#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

class QDebug;

namespace Trade {

/// A trading account of the host.
class TYPEKIT_EXPORT IAccount
{
public:
    /// The account's identifier.
    virtual QString id() const = 0;
    virtual ~IAccount();
};

/// For logs and failing comparisons: Trade::IAccount(ACC-1), by id.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const IAccount *account);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::IAccount *)
