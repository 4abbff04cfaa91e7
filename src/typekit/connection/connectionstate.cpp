#include "connectionstate.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

const char *const stateTexts[] = {nullptr, QT_TR_NOOP("disconnected"), QT_TR_NOOP("connecting"),
                                  QT_TR_NOOP("connected"), QT_TR_NOOP("disconnecting")};

} // namespace

const QString &ConnectionState::toString() const
{
    static const detail::LazyTexts texts(stateTexts);
    if (const QString *text = texts.find(m_type))
        return *text;
    TRADE_ASSERT(false && "unexpected connection state", u"Trade::ConnectionState::toString",
                 u"connection/connectionstate", this);
    return detail::emptyText();
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
