#include "connectionstate.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

const char *const stateTexts[] = {nullptr, QT_TRANSLATE_NOOP("Trade::ConnectionState", "disconnected"),
                                  QT_TRANSLATE_NOOP("Trade::ConnectionState", "connecting"),
                                  QT_TRANSLATE_NOOP("Trade::ConnectionState", "connected"),
                                  QT_TRANSLATE_NOOP("Trade::ConnectionState", "disconnecting")};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts("Trade::ConnectionState", stateTexts);

} // namespace

const QString &ConnectionState::toString() const
{
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
