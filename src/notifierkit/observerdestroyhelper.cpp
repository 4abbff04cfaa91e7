#include "observerdestroyhelper.h"

#include "commonabstractnotifier_p.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Common {

namespace {
constexpr QStringView unit = u"notifier/observerdestroyhelper";
}

// The notifier makes helpers in the observer's thread only (it refuses observers of other threads),
// where Qt makes children.
ObserverDestroyHelper::ObserverDestroyHelper(QObject *observer, AbstractNotifierPrivate *notifier)
    : QObject(observer), m_notifier(notifier)
{
    TRADE_ASSERT(NULL != observer, u"Common::ObserverDestroyHelper::ObserverDestroyHelper", unit, this);
    TRADE_ASSERT(NULL != notifier, u"Common::ObserverDestroyHelper::ObserverDestroyHelper", unit, this);
}

ObserverDestroyHelper::~ObserverDestroyHelper()
{
    if (m_notifier)
        m_notifier->releaseObserver(parent(), this);
}

} // namespace Common
