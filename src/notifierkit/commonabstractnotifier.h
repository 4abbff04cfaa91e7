#pragma once

#include <notifierkit/inotifier.h>

#include <QtCore/QByteArray>
#include <QtCore/QMetaMethod>
#include <QtCore/QObject>
#include <QtCore/QVector>

#include <array>
#include <memory>
#include <type_traits>

namespace Common {

class AbstractNotifierPrivate;

/// The arguments of the notifier's calls (AbstractNotifier::call(), unsubscribeAndCall() and
/// callQueued()) as a caller writes them on every Qt 6: Q_ARG, which makes a QGenericArgument before
/// Qt 6.5 and a QMetaMethodArgument from 6.5 on, or plain values. A plain value travels as its own
/// type, under the name that Qt's meta-type system gives it ("Trade::IBrokerConnection*",
/// "QString"), so its type must be the receiving parameter's: pass a pointer to the interface the
/// method declares, not to a class derived from it (Qt 6.5 and later refuse a call whose types
/// differ; before, the method would receive an unadjusted pointer). An argument refers to the
/// caller's value, which must outlive the call; a queued call copies it at once.
namespace CallArguments {

using List = std::array<QGenericArgument, 10>;

template <typename T>
QGenericArgument make(const T &value)
{
    if constexpr (std::is_base_of_v<QGenericArgument, T>) {
        return value;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    } else if constexpr (std::is_same_v<T, QMetaMethodArgument>) {
        // Q_ARG's text is the type as the caller spelt it ("Trade::IRecord *"); the meta-type's
        // name is the normalized one that the receiving method declares.
        return QGenericArgument(value.metaType ? QMetaType(value.metaType).name() : value.name, value.data);
#endif
    } else {
        static_assert(!std::is_array_v<T>, "pass a QString or a QByteArray instead of a character array");
        return QGenericArgument(QMetaType::fromType<T>().name(), static_cast<const void *>(&value));
    }
}

/// A queued call looks the argument types up by name: plain values' types are registered first.
template <typename T>
void registerType()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    constexpr bool fromQArg = std::is_base_of_v<QGenericArgument, T> || std::is_same_v<T, QMetaMethodArgument>;
#else
    constexpr bool fromQArg = std::is_base_of_v<QGenericArgument, T>;
#endif
    if constexpr (!fromQArg)
        qRegisterMetaType<T>();
}

template <typename... Args>
List list(const Args &...args)
{
    static_assert(sizeof...(Args) <= 10, "a call takes ten arguments at most");
    return List{make(args)...};
}

template <typename... Args>
List queuedList(const Args &...args)
{
    (registerType<Args>(), ...);
    return list(args...);
}

} // namespace CallArguments

/// The notifier: turns a Qt object into a publisher whose observers are wired to its signals by
/// name (see Common::INotifier), and keeps a record, a link, of every connection it made.
///
/// The links let the notifier answer whether an observer is subscribed, disconnect precisely,
/// forget an observer the moment it is destroyed, and tell the publisher itself when a subscriber
/// arrives or leaves: after a subscription to a signal, the publisher's slot
/// "attached_" + signal name, taking one `const Link*`, is called; after an unsubscription the
/// slot "detached_" + signal name. A publisher that greets each newcomer with its current state:
///
///     class ConnectionProvider : public QObject, public Common::AbstractNotifier
///     {
///         Q_OBJECT
///     Q_SIGNALS:
///         void connectionChanged(Trade::IBrokerConnection* connection, ConnectionProvider* provider);
///     private Q_SLOTS:
///         void attached_connectionChanged(const Link* link)
///         {
///             call(*link, m_connection, this);
///         }
///     };
///
/// Subscriptions are made and dropped, and observers destroyed, in the publisher's thread; the
/// records have no lock. An observer that lives in another thread is refused (reported, no link):
/// its destroy helper would be a child made and deleted outside its thread. To hear a publisher
/// in another thread, subscribe an observer of the publisher's thread that passes on what it
/// hears by a queued connection. Failures are reported and leave the records as they were. An observer
/// may be destroyed in a slot the notifier calls, and a publisher may delete itself in its own
/// attach or detach slot or hook: the operation under way stops there. A detach slot that receives
/// the link of an observer being destroyed must not call it: call() and unsubscribeAndCall() do
/// nothing to such an observer (call() reports it as a call that could not be made).
class NOTIFIERKIT_EXPORT AbstractNotifier : public virtual INotifier, public virtual IObject
{
public:
    /// One connection the notifier made: from a signal of the publisher to a method of an
    /// observer (a slot, or a signal of a forwarding target).
    struct NOTIFIERKIT_EXPORT Link
    {
        /// The receiving end of a link: the observer and its method.
        struct Delegate
        {
            QObject *observer = nullptr; // not owned
            // Decorated and normalized: SLOT(...) for a slot, SIGNAL(...) when forwarding.
            QByteArray slot;
            // The observer's method that the slot text names; invalid when there is none.
            QMetaMethod metaMethod() const;
        } delegate;
        /// The sending end of a link: the publisher's signal.
        struct Signal
        {
            QByteArray name;      // "connectionChanged"
            QByteArray signature; // decorated and normalized
        } signal;

        // An observer and all three texts.
        bool isValid() const;
        bool operator==(const Link &other) const;
        bool operator!=(const Link &other) const { return !(*this == other); }
        // By signal name, signal signature, observer address, slot text.
        bool operator<(const Link &other) const;
    };

    AbstractNotifier();
    ~AbstractNotifier() override;
    AbstractNotifier(const AbstractNotifier &) = delete;
    AbstractNotifier &operator=(const AbstractNotifier &) = delete;

    /// The publisher as a QObject; null, after a report, when the class does not derive from one.
    virtual QObject *qobject() const;

    void subscribe(QObject *observer) override;
    void subscribe(QObject *observer, const QByteArray &signal) override;
    void subscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot) override;
    void unsubscribe(QObject *observer) override;
    void unsubscribe(QObject *observer, const QByteArray &signal) override;
    void unsubscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot) override;
    bool isSubscribed(QObject *observer, const QByteArray &signal) override;
    bool isSubscribed(const QByteArray &signal, QObject *observer, const QByteArray &slot) override;
    bool isSubscribed(const QObject *observer) override;
    void forward(const QByteArray &signal, QObject *target, const QByteArray &targetSignal) override;
    void forward(QObject *target, const QByteArray &signal) override;

    /// Records, or drops, one given link (reporting one that is already, or not, recorded).
    void subscribe(const Link &link);
    void unsubscribe(const Link &link);
    /// The recorded link of the observer for the signal, subscribing by convention first when
    /// there is none; the shared empty link for a null observer or when that fails. The pointer
    /// stays valid while the link is recorded.
    const Link *linkBySignalAndObserverOrSubscribe(const QByteArray &signal, QObject *observer);

    /// The number of links of a signal given as a signal argument (an unknown one is reported
    /// and has none), or by its plain name as it is.
    int linkCount(const QByteArray &signal);
    int linkCountByName(const QByteArray &signalName) const;
    /// Every recorded link, ordered as Link::operator< orders them; for diagnostics and dumps.
    QVector<Link> links() const;

    /// Used for every connection the notifier makes and for call(); Qt::AutoConnection at first.
    void setConnectionType(Qt::ConnectionType type);
    Qt::ConnectionType connectionType() const;

    /// The same matching for any two objects, connecting and disconnecting directly: nothing is
    /// recorded and no attach or detach slot is called.
    static void subscribe(QObject *sender, QObject *observer, Qt::ConnectionType connectionType);
    static void subscribe(QObject *sender, const QByteArray &signal, QObject *observer,
                          Qt::ConnectionType connectionType);
    static void subscribe(QObject *sender, const QByteArray &signal, QObject *observer, const QByteArray &slot,
                          Qt::ConnectionType connectionType);
    static void unsubscribe(QObject *sender, const QByteArray &signal, QObject *observer);
    static void unsubscribe(QObject *sender, const QByteArray &signal, QObject *observer, const QByteArray &slot);

    /// Calls the link's method on the link's observer alone, with the arguments made by Q_ARG
    /// (through the connection type: directly when the observer lives in this thread). The link
    /// need not be recorded.
    ///
    /// Each of call(), unsubscribeAndCall() and callQueued() also takes up to ten arguments as
    /// plain values, or as Q_ARG makes them on any Qt 6 (see CallArguments):
    ///
    ///     call(*link, m_connection, static_cast<Trade::IBrokerConnectionProvider *>(this));
    void call(const Link &link, QGenericArgument val0 = QGenericArgument(), QGenericArgument val1 = QGenericArgument(),
              QGenericArgument val2 = QGenericArgument(), QGenericArgument val3 = QGenericArgument(),
              QGenericArgument val4 = QGenericArgument(), QGenericArgument val5 = QGenericArgument(),
              QGenericArgument val6 = QGenericArgument(), QGenericArgument val7 = QGenericArgument(),
              QGenericArgument val8 = QGenericArgument(), QGenericArgument val9 = QGenericArgument());
    /// Drops the link first, then calls it: the observer is called once more and hears nothing
    /// after that. Nothing is called when the publisher or the observer went away while the link
    /// was dropped (in the detach slot or in onUnsubscribed()).
    void unsubscribeAndCall(const Link &link, QGenericArgument val0 = QGenericArgument(),
                            QGenericArgument val1 = QGenericArgument(), QGenericArgument val2 = QGenericArgument(),
                            QGenericArgument val3 = QGenericArgument(), QGenericArgument val4 = QGenericArgument(),
                            QGenericArgument val5 = QGenericArgument(), QGenericArgument val6 = QGenericArgument(),
                            QGenericArgument val7 = QGenericArgument(), QGenericArgument val8 = QGenericArgument(),
                            QGenericArgument val9 = QGenericArgument());
    /// Posts a call of a method (a plain name) of the publisher, or of any object, to the event
    /// loop of its thread. Qt copies the arguments now, so their types must be registered.
    void callQueued(const QByteArray &method, QGenericArgument val0 = QGenericArgument(),
                    QGenericArgument val1 = QGenericArgument(), QGenericArgument val2 = QGenericArgument(),
                    QGenericArgument val3 = QGenericArgument(), QGenericArgument val4 = QGenericArgument(),
                    QGenericArgument val5 = QGenericArgument(), QGenericArgument val6 = QGenericArgument(),
                    QGenericArgument val7 = QGenericArgument(), QGenericArgument val8 = QGenericArgument(),
                    QGenericArgument val9 = QGenericArgument());
    static void callQueued(QObject *object, const QByteArray &method, QGenericArgument val0 = QGenericArgument(),
                           QGenericArgument val1 = QGenericArgument(), QGenericArgument val2 = QGenericArgument(),
                           QGenericArgument val3 = QGenericArgument(), QGenericArgument val4 = QGenericArgument(),
                           QGenericArgument val5 = QGenericArgument(), QGenericArgument val6 = QGenericArgument(),
                           QGenericArgument val7 = QGenericArgument(), QGenericArgument val8 = QGenericArgument(),
                           QGenericArgument val9 = QGenericArgument());

    template <typename... Args>
    void call(const Link &link, const Args &...args)
    {
        const CallArguments::List list = CallArguments::list(args...);
        call(link, list[0], list[1], list[2], list[3], list[4], list[5], list[6], list[7], list[8], list[9]);
    }
    template <typename... Args>
    void unsubscribeAndCall(const Link &link, const Args &...args)
    {
        const CallArguments::List list = CallArguments::list(args...);
        unsubscribeAndCall(link, list[0], list[1], list[2], list[3], list[4], list[5], list[6], list[7], list[8],
                           list[9]);
    }
    template <typename... Args>
    void callQueued(const QByteArray &method, const Args &...args)
    {
        const CallArguments::List list = CallArguments::queuedList(args...);
        callQueued(method, list[0], list[1], list[2], list[3], list[4], list[5], list[6], list[7], list[8], list[9]);
    }
    template <typename... Args>
    static void callQueued(QObject *object, const QByteArray &method, const Args &...args)
    {
        const CallArguments::List list = CallArguments::queuedList(args...);
        callQueued(object, method, list[0], list[1], list[2], list[3], list[4], list[5], list[6], list[7], list[8],
                   list[9]);
    }

protected:
    /// Called after a link is recorded (and after the attach slot), and after one is dropped
    /// (after the detach slot, also when the observer was destroyed). Nothing by default.
    virtual void onSubscribed(const Link *link);
    virtual void onUnsubscribed(const Link *link);

private:
    friend class AbstractNotifierPrivate;
    std::unique_ptr<AbstractNotifierPrivate> m_private;
};

} // namespace Common
