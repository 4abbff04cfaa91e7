#include "invocationtype.h"

#include <basekit/nonfatalstreamlogwrapper.h>
#include <typekit/lazytexts_p.h>

namespace Common {

namespace {
const char *const texts[] = {"",
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Button Click"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Mouse Left Click"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Mouse Right Click"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Mouse Middle Click"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Mouse Double Click"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Mouse Drag Drop"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Context Menu"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Label Context Menu"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Label Button"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Main Menu"),
                             QT_TRANSLATE_NOOP("Common::InvocationType", "Hot Key")};
} // namespace

QString InvocationType::toString() const
{
    if (m_code == 0)
        return QString();
    if (const char *text = Trade::detail::sourceText(texts, m_code))
        return QCoreApplication::translate("Common::InvocationType", text);
    TRADE_ASSERT(false, u"Common::InvocationType::toString", u"invocationtype", this) << "Invalid value";
    return QString();
}

} // namespace Common
