#include "connectionstate.h"

#include <QtCore/QObject>

namespace Trade {

const QString &ConnectionState::toString() const
{
    switch (m_type) {
    case Disconnected: {
        static const QString text = QObject::tr("disconnected");
        return text;
    }
    case Connecting: {
        static const QString text = QObject::tr("connecting");
        return text;
    }
    case Connected: {
        static const QString text = QObject::tr("connected");
        return text;
    }
    case Disconnecting: {
        static const QString text = QObject::tr("disconnecting");
        return text;
    }
    }
    TRADE_ASSERT(false && "unexpected connection state", u"Trade::ConnectionState::toString",
                 u"connection/connectionstate", this);
    static const QString empty;
    return empty;
}

Variant ConnectionStateConverter::toVariant(const Variant &)
{
    return Variant();
}

QString ConnectionStateConverter::toString(const Variant &value)
{
    return value.valueOr(ConnectionState()).toString();
}

} // namespace Trade
