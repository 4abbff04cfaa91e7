#include "logcategory.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {
const char *const texts[] = {nullptr,
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Balance"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Broker Order"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Broker Message"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Connection"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Execution"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Local Order"),
                             QT_TRANSLATE_NOOP("Trade::LogCategory", "Position")};
} // namespace

LogCategory::operator QString() const
{
    if (const char *text = detail::sourceText(texts, m_type))
        return QCoreApplication::translate("Trade::LogCategory", text);
    TRADE_ASSERT(false && "Unknown value", u"Trade::LogCategory::operator class QString", u"log/logcategory", this);
    return QString();
}

void LogCategory::fromSaveableString(const QString &)
{
}

} // namespace Trade
