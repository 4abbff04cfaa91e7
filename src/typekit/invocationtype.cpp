#include "invocationtype.h"

#include <basekit/nonfatalstreamlogwrapper.h>
#include <typekit/lazytexts_p.h>

namespace Common {

namespace {
const char *const texts[] = {"",
                             QT_TR_NOOP("Button Click"),
                             QT_TR_NOOP("Mouse Left Click"),
                             QT_TR_NOOP("Mouse Right Click"),
                             QT_TR_NOOP("Mouse Middle Click"),
                             QT_TR_NOOP("Mouse Double Click"),
                             QT_TR_NOOP("Mouse Drag Drop"),
                             QT_TR_NOOP("Context Menu"),
                             QT_TR_NOOP("Label Context Menu"),
                             QT_TR_NOOP("Label Button"),
                             QT_TR_NOOP("Main Menu"),
                             QT_TR_NOOP("Hot Key")};
} // namespace

QString InvocationType::toString() const
{
    if (m_code == 0)
        return QString();
    if (const char *text = Trade::detail::sourceText(texts, m_code))
        return QObject::tr(text);
    TRADE_ASSERT(false, u"Common::InvocationType::toString", u"invocationtype", this) << "Invalid value";
    return QString();
}

} // namespace Common
