#include "observerdestroyhelper.h"

#include "commonabstractnotifier_p.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QThread>

namespace Common {

namespace {
constexpr QStringView unit = u"notifier/observerdestroyhelper";
}

ObserverDestroyHelper::ObserverDestroyHelper(QObject *observer, AbstractNotifierPrivate *notifier)
    : QObject(observer && observer->thread() == QThread::currentThread() ? observer : nullptr),
      m_notifier(notifier)
{
    TRADE_ASSERT(NULL != observer, u"Common::ObserverDestroyHelper::ObserverDestroyHelper", unit, this);
    TRADE_ASSERT(NULL != notifier, u"Common::ObserverDestroyHelper::ObserverDestroyHelper", unit, this);
    // Qt makes children only in their parent's thread.
    if (observer && !parent()) {
        moveToThread(observer->thread());
        setParent(observer);
    }
}

ObserverDestroyHelper::~ObserverDestroyHelper()
{
    if (m_notifier)
        m_notifier->releaseObserver(parent(), this);
}

} // namespace Common
