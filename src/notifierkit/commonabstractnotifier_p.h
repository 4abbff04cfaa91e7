// The records of a notifier: its links, by observer and by signal name, and one destroy helper
// per observer that has links.
//
// Invariant: a link is in m_links exactly when it is in its observer's set and in its signal
// name's set; no key keeps an empty set; an observer has a destroy helper exactly while it has
// a link.
#pragma once

#include <notifierkit/commonabstractnotifier.h>
#include <notifierkit/metaobjectinfo.h>

#include <basekit/nonfatalstreamlogwrapper.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace Common {

class ObserverDestroyHelper;

using LinkSet = std::set<AbstractNotifier::Link>;

// The shared empty link and link set, returned by lookups that find nothing.
const AbstractNotifier::Link &emptyLink();
const LinkSet &emptyLinkSet();

// Ordered map from a key to the set of its links; a key goes when its last link does.
template <typename K>
class LinksByKey : private std::map<K, LinkSet>
{
    using Base = std::map<K, LinkSet>;

public:
    using Base::begin;
    using Base::end;

    const LinkSet &links(const K &key) const
    {
        const auto it = Base::find(key);
        return it == Base::end() ? emptyLinkSet() : it->second;
    }
    bool contains(const K &key) const { return Base::find(key) != Base::end(); }
    void insert(const K &key, const AbstractNotifier::Link &link) { (*this)[key].insert(link); }
    void erase(const K &key, const AbstractNotifier::Link &link)
    {
        const auto it = Base::find(key);
        TRADE_ASSERT(it != end(), u"Common::LinksByKey::erase", u"notifier/commonabstractnotifier_p", this);
        if (it == Base::end())
            return;
        const auto recorded = it->second.find(link);
        if (recorded != it->second.end())
            it->second.erase(recorded);
        if (it->second.empty())
            Base::erase(it);
    }
};

class AbstractNotifierPrivate
{
public:
    using Link = AbstractNotifier::Link;

    enum Result {
        resultOk = 0,
        resultSignalNotFound = 1,
        resultSlotNotFound = 2,
        resultAlreadySubscribed = 3,
        resultNotSubscribed = 4,
        resultConnectFailed = 5,
        resultObserverInAnotherThread = 6,
    };

    // A link that was built, or the reason why none was.
    struct LinkOrError
    {
        explicit LinkOrError(const Link &link) : link(link), result(resultOk)
        {
            TRADE_ASSERT(link.isValid(), u"Common::AbstractNotifierPrivate::LinkOrError::LinkOrError",
                         u"notifier/commonabstractnotifier_p", this);
        }
        explicit LinkOrError(Result r) : result(r)
        {
            TRADE_ASSERT(r != resultOk, u"Common::AbstractNotifierPrivate::LinkOrError::LinkOrError",
                         u"notifier/commonabstractnotifier_p", this);
        }

        Link link;
        Result result;
        // The methods' indexes when the link was made from the meta-objects' descriptions.
        int signalIndex = -1;
        int slotIndex = -1;
    };

    // Open while a record operation calls out to the publisher or the observer; the
    // notifier's destruction marks every open one, so that the operation stops there.
    class Callout
    {
    public:
        explicit Callout(AbstractNotifierPrivate *d) : m_d(d) { d->m_callouts.push_back(this); }
        ~Callout()
        {
            if (m_d)
                m_d->m_callouts.pop_back();
        }
        Callout(const Callout &) = delete;
        Callout &operator=(const Callout &) = delete;
        bool notifierGone() const { return !m_d; }

    private:
        friend class AbstractNotifierPrivate;
        AbstractNotifierPrivate *m_d;
    };

    explicit AbstractNotifierPrivate(AbstractNotifier *notifier) : m_notifier(notifier) {}
    ~AbstractNotifierPrivate();

    // The publisher's description: the shared registry's, looked up on first use (the
    // publisher is not yet a QObject while this notifier is being made).
    const MetaObjectInfo &metaObjectInfo();
    // qobject(), asked until it gives an object (a notifier that is no QObject reports on each
    // use).
    QObject *publisher();

    // Links built from signal and slot arguments (the publisher's meta-object given).
    static LinkOrError linkByConvention(const MetaObjectInfo &publisher, const QByteArray &signal, QObject *observer);
    static LinkOrError linkWithSlot(const MetaObjectInfo &publisher, const QByteArray &signal, QObject *observer,
                                    const QByteArray &slot);
    // The signal or slot argument looked up; a decorated one comes back normalized.
    static SignalInfo signalOf(const MetaObjectInfo &info, const QByteArray &signal);
    static SlotInfo slotOf(const MetaObjectInfo &info, const QByteArray &slot);

    bool isRecorded(const Link &link) const { return m_links.find(link) != m_links.end(); }
    // With the methods' indexes (-1 when not known) the connection is made by them, without
    // looking the texts up again.
    Result subscribe(const Link &link, int signalIndex = -1, int slotIndex = -1);
    Result unsubscribe(const Link &link, int signalIndex = -1, int slotIndex = -1);
    // Erases a recorded link, then tells the publisher (detach slot, hook). False when the
    // notifier was destroyed by one of them.
    bool drop(const Link &link);
    // From an observer's destroy helper: forget the observer and all its links.
    void releaseObserver(QObject *observer, ObserverDestroyHelper *helper);
    // Whether the observer is being destroyed: its links are being dropped, and the detach slots
    // that receive them must not call it (nor take a QPointer to it, which Qt does not allow).
    bool isDying(const QObject *observer) const
    {
        return std::find(m_dyingObservers.begin(), m_dyingObservers.end(), observer) != m_dyingObservers.end();
    }

    // The publisher's (object's) slot prefix + the signal's name, taking one `const Link*`, is
    // invoked with the link; a slot of that name with another shape is reported. The link is
    // valid only during the call: a slot that needs it later keeps a copy.
    void callAttachDetachSlots(QObject *object, const QByteArray &prefix, const Link *link);

    static const QByteArray s_linkParameterType; // "const Link*"
    static const QByteArray s_attachedPrefix;    // "attached_"
    static const QByteArray s_detachedPrefix;    // "detached_"

    Qt::ConnectionType m_connectionType = Qt::AutoConnection;
    LinkSet m_links;
    LinksByKey<const QObject *> m_linksByObserver;
    LinksByKey<QByteArray> m_linksBySignal;
    std::map<const QObject *, ObserverDestroyHelper *> m_destroyHelpers;
    AbstractNotifier *const m_notifier;
    const MetaObjectInfo *m_metaObjectInfo = nullptr; // the registry's, kept for the process
    std::vector<Callout *> m_callouts;
    std::vector<const QObject *> m_dyingObservers;
    QObject *m_publisher = nullptr;
};

} // namespace Common
