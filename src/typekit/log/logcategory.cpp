#include "logcategory.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {
const char *const texts[] = {nullptr,
                             QT_TR_NOOP("Balance"),
                             QT_TR_NOOP("Broker Order"),
                             QT_TR_NOOP("Broker Message"),
                             QT_TR_NOOP("Connection"),
                             QT_TR_NOOP("Execution"),
                             QT_TR_NOOP("Local Order"),
                             QT_TR_NOOP("Position")};
} // namespace

LogCategory::operator QString() const
{
    if (const char *text = detail::sourceText(texts, m_type))
        return QObject::tr(text);
    TRADE_ASSERT(false && "Unknown value", u"Trade::LogCategory::operator class QString",
                 u"log/logcategory", this);
    return QString();
}

void LogCategory::fromSaveableString(const QString &)
{
}

} // namespace Trade
