// Whether an object that was handed in by pointer is still there after a call out (a signal, a
// slot of someone else), which may have deleted it. The host's notifiers and the providers are
// Qt objects; an object that is no Qt object cannot be watched and counts as present.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>

namespace Trade {

class ObjectWatch
{
public:
    // Any polymorphic pointer: a Qt object itself, or an interface of one.
    template <typename T>
    explicit ObjectWatch(T *object) : m_object(dynamic_cast<QObject *>(object)), m_watched(!m_object.isNull())
    {
    }

    bool isGone() const { return m_watched && m_object.isNull(); }

private:
    QPointer<QObject> m_object;
    bool m_watched;
};

} // namespace Trade
