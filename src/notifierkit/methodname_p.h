// Method names made of a prefix and a signal's name ("slot_disposed", "attached_disposed"),
// compared piece by piece rather than built: they are asked for every slot of an object, on every
// subscription.
#pragma once

#include <QtCore/QByteArrayView>

namespace Common {

inline bool isPrefixedName(QByteArrayView method, QByteArrayView prefix, QByteArrayView name)
{
    return method.size() == prefix.size() + name.size() && method.startsWith(prefix) && method.endsWith(name);
}

} // namespace Common
