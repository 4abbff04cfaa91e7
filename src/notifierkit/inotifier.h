#pragma once

#include <notifierkit/iobject.h>

#include <QtCore/QByteArray>

class QObject;

namespace Common {

/// A publisher whose observers are wired to its Qt signals by name.
///
/// An observer is subscribed to a signal given by its plain name ("disposed") or by its
/// decorated signature (SIGNAL(disposed(Trade::IDisposable*))). Without a slot argument the
/// observer's slot is found by convention: "slot_" followed by the signal's name, taking the
/// signal's parameters or a leading part of them. A slot argument is a plain name or a decorated
/// slot signature (SLOT(...)).
class NOTIFIERKIT_EXPORT INotifier : public virtual IObject
{
public:
    /// Every signal for which the observer has a conventional slot.
    virtual void subscribe(QObject *observer) = 0;
    virtual void subscribe(QObject *observer, const QByteArray &signal) = 0;
    virtual void subscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot) = 0;
    /// Everything the observer is subscribed to; a null observer has nothing.
    virtual void unsubscribe(QObject *observer) = 0;
    virtual void unsubscribe(QObject *observer, const QByteArray &signal) = 0;
    virtual void unsubscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot) = 0;
    virtual bool isSubscribed(QObject *observer, const QByteArray &signal) = 0;
    virtual bool isSubscribed(const QByteArray &signal, QObject *observer, const QByteArray &slot) = 0;
    /// Whether the observer has any subscription; false for null.
    virtual bool isSubscribed(const QObject *observer) = 0;
    /// Re-emits a signal of this publisher as a signal of the target: under another name, or
    /// under the same signature.
    virtual void forward(const QByteArray &signal, QObject *target, const QByteArray &targetSignal) = 0;
    virtual void forward(QObject *target, const QByteArray &signal) = 0;

    ~INotifier() override;
};

} // namespace Common

namespace Trade {

/// A publisher of the trading world: a notifier that is also an object with a dump.
class NOTIFIERKIT_EXPORT INotifier : public virtual IObject, public virtual Common::INotifier
{
public:
    ~INotifier() override;
};

} // namespace Trade
