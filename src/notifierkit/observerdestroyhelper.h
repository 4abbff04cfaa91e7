#pragma once

#include <notifierkit/notifierkit_export.h>

#include <QtCore/QObject>

namespace Common {

class AbstractNotifierPrivate;

/// Makes a notifier forget an observer the moment the observer is destroyed, without the
/// observer doing anything: the helper is a child object of the observer, so Qt deletes it with
/// the observer, and its destructor tells the notifier.
///
/// A helper ends in one of three ways: with its observer (the notifier drops all the observer's
/// links and calls its detach slots); when the observer's last link is dropped (the notifier
/// deletes it); or, when the notifier goes first, it is detached and stays an inert child until
/// the observer dies.
class NOTIFIERKIT_EXPORT ObserverDestroyHelper : public QObject
{
    Q_OBJECT

public:
    /// Reports a null observer or notifier. The helper is made in the observer's thread, so that
    /// it can be the observer's child even when the notifier lives elsewhere.
    ObserverDestroyHelper(QObject *observer, AbstractNotifierPrivate *notifier);
    ~ObserverDestroyHelper() override;

    /// From now on the helper tells nobody.
    void detach() { m_notifier = nullptr; }

private:
    AbstractNotifierPrivate *m_notifier;
};

} // namespace Common
