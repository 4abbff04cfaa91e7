#include "commonabstractnotifier.h"

#include <basekit/logstream.h>

#include "commonabstractnotifier_p.h"
#include "methodname_p.h"
#include "observerdestroyhelper.h"

#include <servicekit/servicekit.h>

#include <QtCore/QMutex>
#include <QtCore/QPointer>
#include <QtCore/QThread>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace Common {

using Link = AbstractNotifier::Link;
using LinkOrError = AbstractNotifierPrivate::LinkOrError;

namespace {

constexpr QStringView unit = u"notifier/commonabstractnotifier";

// The report of a failed operation; resultOk reports nothing.
void report(AbstractNotifierPrivate::Result result, QStringView function, const void *object)
{
    switch (result) {
    case AbstractNotifierPrivate::resultSignalNotFound:
        TRADE_ASSERT(false && "Appropriate signal could not be found", function, unit, object);
        break;
    case AbstractNotifierPrivate::resultSlotNotFound:
        TRADE_ASSERT(false && "Appropriate slot could not be found", function, unit, object);
        break;
    case AbstractNotifierPrivate::resultAlreadySubscribed:
        TRADE_ASSERT(false && "Such signal/slot pair is already subscribed", function, unit, object);
        break;
    case AbstractNotifierPrivate::resultNotSubscribed:
        TRADE_ASSERT(false && "Such signal/slot pair is not subscribed", function, unit, object);
        break;
    case AbstractNotifierPrivate::resultConnectFailed:
        TRADE_ASSERT(false && "Failed to subscribe/unsubscribe signal/slot", function, unit, object);
        break;
    case AbstractNotifierPrivate::resultObserverInAnotherThread:
        TRADE_ASSERT(false && "The observer lives in another thread than the one that subscribes it", function, unit,
                     object);
        break;
    default:
        break;
    }
}

QString className(const QObject *object)
{
    return object ? QString::fromLatin1(object->metaObject()->className()) : QString();
}

// Not an assertion: a subscribe() that found nothing to connect may be meant so, but usually
// is a misspelt slot.
void logNothingConnected(const QObject *sender, const QObject *observer, const void *object)
{
    Shadow::LogStream(0, 3, unit, __LINE__, u"Common::AbstractNotifier::subscribe", object)
        << QStringLiteral("\"No signals/slots were connected during subscribe() call. "
                          "Event source: '%1', observer: '%2'.\"")
               .arg(className(sender), className(observer));
}

// The number of single-letter insertions, deletions and replacements between two names, up to
// `limit` + 1.
int editDistance(QByteArrayView a, QByteArrayView b, int limit)
{
    if (std::abs(int(a.size()) - int(b.size())) > limit)
        return limit + 1;
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// How a method of the observer that carries a prefix of the convention stands to the signals of
// a publisher: following the convention for one of them; meant for one (named after it, or
// within two letters or a difference of case of its name) but not following it; or named after
// none of them (meant for another publisher, and so not this subscription's concern).
enum class Fit { Follows, Misfits, Unrelated };

constexpr QByteArrayView slotPrefix = "slot_";

Fit fitOf(const QMetaMethod &method, QByteArrayView prefix, const QVector<SignalInfo> &published)
{
    const QByteArray name = method.name();
    const QByteArrayView meant = QByteArrayView(name).sliced(prefix.size());
    const QList<QByteArray> parameters = method.parameterTypes();
    Fit fit = Fit::Unrelated;
    for (const SignalInfo &signal : published) {
        if (meant == signal.name()) {
            const QList<QByteArray> &signalParameters = signal.parameters();
            const bool fits = prefix == slotPrefix
                                  ? parameters.size() <= signalParameters.size()
                                        && std::equal(parameters.begin(), parameters.end(), signalParameters.begin())
                                  : parameters == QList<QByteArray>{AbstractNotifierPrivate::s_linkParameterType};
            if (fits && method.methodType() == QMetaMethod::Slot)
                return Fit::Follows;
            fit = Fit::Misfits;
        } else if (meant.toByteArray().toLower() == signal.name().toLower()
                   || editDistance(meant, signal.name(), 2) <= 2) {
            fit = Fit::Misfits;
        }
    }
    return fit;
}

// A log, not an assertion, like the one of a subscribe() that connected nothing: each method of
// the observer that carries a prefix of the convention ("slot_", "attached_", "detached_") and is
// meant for a signal of the publisher but does not follow the convention for it (a misspelt name,
// other parameter types, a method that is not declared as a slot) is named, once per observer
// class and publisher class. Methods named after signals the publisher does not have are meant
// for other publishers; the attach and detach slots of an observer that publishes the signal
// itself are its own.
void logMisfitMethods(const QObject *publisher, const MetaObjectInfo &publisherInfo, const QObject *observer,
                      const void *object)
{
    const QMetaObject *observerClass = observer ? observer->metaObject() : nullptr;
    if (!observerClass || !publisher)
        return;
    {
        static QBasicMutex mutex;
        static std::set<std::pair<const QMetaObject *, const QMetaObject *>> checked;
        const std::lock_guard<QBasicMutex> lock(mutex);
        if (!checked.emplace(observerClass, publisher->metaObject()).second)
            return;
    }
    const MetaObjectInfo &observerInfo = MetaObjectInfo::shared(observerClass);
    // Named before the loop: logging calls out to the host's service.
    const QString observerName = className(observer);
    const QString publisherName = className(publisher);
    const QByteArrayView prefixes[] = {slotPrefix, AbstractNotifierPrivate::s_attachedPrefix,
                                       AbstractNotifierPrivate::s_detachedPrefix};
    for (int index = 0; index < observerClass->methodCount(); ++index) {
        const QMetaMethod method = observerClass->method(index);
        if (method.methodType() == QMetaMethod::Signal)
            continue;
        const QByteArray name = method.name();
        QByteArrayView prefix;
        for (const QByteArrayView candidate : prefixes) {
            if (name.startsWith(candidate))
                prefix = candidate;
        }
        if (prefix.isEmpty() || fitOf(method, prefix, publisherInfo.signalList()) != Fit::Misfits)
            continue;
        if (prefix != slotPrefix && fitOf(method, prefix, observerInfo.signalList()) == Fit::Follows)
            continue;
        Shadow::LogStream(0, 3, unit, __LINE__, u"Common::AbstractNotifier::subscribe", object)
            << QStringLiteral("\"%1::%2 follows no signal of %3%4.\"")
                   .arg(observerName, QString::fromLatin1(method.methodSignature()), publisherName,
                        method.methodType() == QMetaMethod::Slot ? QString() : QStringLiteral(": it is not a slot"));
    }
}

const MetaObjectInfo &infoOf(const QObject *object)
{
    return MetaObjectInfo::shared(object ? object->metaObject() : nullptr);
}

// Connects, or disconnects, a built link directly, for the static forms that record nothing.
AbstractNotifierPrivate::Result connectBuilt(const LinkOrError &built, QObject *sender,
                                             Qt::ConnectionType connectionType)
{
    if (built.result != AbstractNotifierPrivate::resultOk)
        return built.result;
    const Link &link = built.link;
    return QObject::connect(sender, link.signal.signature.constData(), link.delegate.observer,
                            link.delegate.slot.constData(), connectionType)
               ? AbstractNotifierPrivate::resultOk
               : AbstractNotifierPrivate::resultConnectFailed;
}

AbstractNotifierPrivate::Result disconnectBuilt(const LinkOrError &built, QObject *sender)
{
    if (built.result != AbstractNotifierPrivate::resultOk)
        return built.result;
    const Link &link = built.link;
    return QObject::disconnect(sender, link.signal.signature.constData(), link.delegate.observer,
                               link.delegate.slot.constData())
               ? AbstractNotifierPrivate::resultOk
               : AbstractNotifierPrivate::resultConnectFailed;
}

} // namespace

const Link &emptyLink()
{
    static const Link empty;
    return empty;
}

const LinkSet &emptyLinkSet()
{
    static const LinkSet empty;
    return empty;
}

// --- Link

QMetaMethod AbstractNotifier::Link::Delegate::metaMethod() const
{
    if (!observer || slot.isEmpty())
        return QMetaMethod();
    const QMetaObject *metaObject = observer->metaObject();
    return metaObject->method(metaObject->indexOfMethod(slot.constData() + 1));
}

bool AbstractNotifier::Link::isValid() const
{
    return delegate.observer && !delegate.slot.isEmpty() && !signal.name.isEmpty() && !signal.signature.isEmpty();
}

bool AbstractNotifier::Link::operator==(const Link &other) const
{
    return delegate.observer == other.delegate.observer && delegate.slot == other.delegate.slot
           && signal.name == other.signal.name && signal.signature == other.signal.signature;
}

bool AbstractNotifier::Link::operator<(const Link &other) const
{
    // The order of qstrcmp (method texts hold no NUL). Links made from one meta-object share
    // their texts, so equal texts are usually the same.
    const auto compare = [](const QByteArray &left, const QByteArray &right) {
        if (left.constData() == right.constData() && left.size() == right.size())
            return 0;
        return std::string_view(left.constData(), size_t(left.size()))
            .compare(std::string_view(right.constData(), size_t(right.size())));
    };
    if (const int order = compare(signal.name, other.signal.name))
        return order < 0;
    if (const int order = compare(signal.signature, other.signal.signature))
        return order < 0;
    if (delegate.observer != other.delegate.observer)
        return std::less<const QObject *>()(delegate.observer, other.delegate.observer);
    return compare(delegate.slot, other.delegate.slot) < 0;
}

// --- AbstractNotifierPrivate

AbstractNotifierPrivate::~AbstractNotifierPrivate()
{
    for (Callout *callout : m_callouts)
        callout->m_d = nullptr;
    // The helpers stay with their observers, inert; Qt drops the connections of the publisher.
    for (const auto &entry : m_destroyHelpers)
        entry.second->detach();
}

const MetaObjectInfo &AbstractNotifierPrivate::metaObjectInfo()
{
    // Like publisher(), used in the publisher's thread only.
    if (!m_metaObjectInfo)
        m_metaObjectInfo = &infoOf(m_notifier->qobject());
    return *m_metaObjectInfo;
}

namespace {

// A caller's decorated text, normalized (the meta-object's texts are already). When the
// meta-object has that method its own description is used: links made from it share its texts,
// which makes comparing them cheap.
template <typename Info>
Info normalized(const QByteArray &text, const QVector<Info> &known)
{
    // A text that is normalized already (the checked subscriptions write them so) is found as it
    // is: normalizing costs more than the search.
    const auto asGiven = std::find_if(known.begin(), known.end(),
                                      [&text](const Info &method) { return method.decoratedSignature() == text; });
    if (asGiven != known.end()) {
        asGiven->parse(); // once for the registry's description, not again for every copy
        return *asGiven;
    }
    const Info given(QMetaObject::normalizedSignature(text.constData()));
    const auto same = std::find_if(known.begin(), known.end(),
                                   [&given](const Info &method) { return method.signature() == given.signature(); });
    return same == known.end() ? given : *same;
}

// The arguments a method is called with. A method may take fewer parameters than the call gives,
// as a slot may take fewer than its signal: those it does not take are not passed (Qt 6.5 and
// later would refuse the call otherwise). The rest must name the method's parameter types:
// Qt 6.5 and later refuse a call whose types differ, and so does this on every Qt 6, since
// before 6.5 the method would read the data as its own types (an int's bits as a double, a
// derived pointer as its interface, unadjusted). Empty when they do not fit.
std::optional<std::array<QGenericArgument, 10>> argumentsFor(const QMetaMethod &method,
                                                             const std::array<QGenericArgument, 10> &given)
{
    std::array<QGenericArgument, 10> taken;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    const QList<QByteArray> types = method.parameterTypes();
#endif
    const int count = std::min(std::max(method.parameterCount(), 0), int(given.size()));
    for (int index = 0; index < count; ++index) {
        const QGenericArgument &argument = given[index];
        if (!argument.name())
            break; // too few: Qt refuses the call
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        if (QMetaObject::normalizedType(argument.name()) != types.at(index))
            return std::nullopt;
#endif
        taken[index] = argument;
    }
    return taken;
}

} // namespace

QObject *AbstractNotifierPrivate::publisher()
{
    // The cross cast is not cheap, and the links of a destroyed observer need it once each.
    if (!m_publisher)
        m_publisher = m_notifier->qobject();
    return m_publisher;
}

SignalInfo AbstractNotifierPrivate::signalOf(const MetaObjectInfo &info, const QByteArray &signal)
{
    return SignalInfo::isDecorated(signal) ? normalized(signal, info.signalList()) : info.findSignal(signal);
}

SlotInfo AbstractNotifierPrivate::slotOf(const MetaObjectInfo &info, const QByteArray &slot)
{
    return SlotInfo::isDecorated(slot) ? normalized(slot, info.slotList()) : info.findSlot(slot);
}

LinkOrError AbstractNotifierPrivate::linkByConvention(const MetaObjectInfo &publisher, const QByteArray &signal,
                                                      QObject *observer)
{
    const SignalInfo found = signalOf(publisher, signal);
    if (found.isEmpty())
        return LinkOrError(resultSignalNotFound);
    // A null observer has no slots.
    const SlotInfo &slot = infoOf(observer).findSlotForSignal(found);
    if (slot.isEmpty())
        return LinkOrError(resultSlotNotFound);
    LinkOrError built(Link{{observer, slot.decoratedSignature()}, {found.name(), found.decoratedSignature()}});
    built.signalIndex = found.methodIndex();
    built.slotIndex = slot.methodIndex();
    return built;
}

LinkOrError AbstractNotifierPrivate::linkWithSlot(const MetaObjectInfo &publisher, const QByteArray &signal,
                                                  QObject *observer, const QByteArray &slot)
{
    const SignalInfo found = signalOf(publisher, signal);
    if (found.isEmpty())
        return LinkOrError(resultSignalNotFound);
    // A null observer has no slots, also none named by a decorated text.
    const SlotInfo method = slotOf(infoOf(observer), slot);
    if (!observer || method.isEmpty())
        return LinkOrError(resultSlotNotFound);
    // The parameters are left to QObject::connect.
    LinkOrError built(Link{{observer, method.decoratedSignature()}, {found.name(), found.decoratedSignature()}});
    built.signalIndex = found.methodIndex();
    built.slotIndex = method.methodIndex();
    return built;
}

AbstractNotifierPrivate::Result AbstractNotifierPrivate::subscribe(const Link &given, int signalIndex, int slotIndex)
{
    if (isRecorded(given))
        return resultAlreadySubscribed;
    // Links are made, and observers destroyed, in one thread: the observer's destroy helper is
    // its child, which Qt makes, and deletes, in the observer's thread only.
    if (given.delegate.observer && given.delegate.observer->thread() != QThread::currentThread())
        return resultObserverInAnotherThread;
    // The argument may belong to an observer that goes away during the calls out below.
    const Link link = given;
    QObject *publisher = this->publisher();
    // By the methods' indexes when they are known and the parameters fit (the check that
    // QObject::connect makes): the same connection as by the texts, without parsing them. Anything
    // else goes by the texts, and so fails with Qt's own warning; so do queued connections, whose
    // argument types Qt checks when it connects them by text.
    QObject *observer = link.delegate.observer;
    const bool byIndex = signalIndex >= 0 && slotIndex >= 0 && m_connectionType != Qt::QueuedConnection
                         && QMetaObject::checkConnectArgs(publisher->metaObject()->method(signalIndex),
                                                          observer->metaObject()->method(slotIndex));
    const bool connected =
        byIndex ? bool(QMetaObject::connect(publisher, signalIndex, observer, slotIndex, m_connectionType))
                : bool(QObject::connect(publisher, link.signal.signature.constData(), observer,
                                        link.delegate.slot.constData(), m_connectionType));
    if (!connected)
        return resultConnectFailed;
    m_links.insert(link);
    m_linksByObserver.insert(link.delegate.observer, link);
    m_linksBySignal.insert(link.signal.name, link);
    // An observer's destroy helper is made with its first link, here, and deleted with its last
    // (drop) or with the observer.
    if (m_destroyHelpers.find(link.delegate.observer) == m_destroyHelpers.end())
        m_destroyHelpers.emplace(link.delegate.observer, new ObserverDestroyHelper(link.delegate.observer, this));

    const Callout callout(this);
    callAttachDetachSlots(publisher, s_attachedPrefix, &link);
    if (!callout.notifierGone())
        m_notifier->onSubscribed(&link);
    return resultOk;
}

AbstractNotifierPrivate::Result AbstractNotifierPrivate::unsubscribe(const Link &given, int signalIndex, int slotIndex)
{
    if (!isRecorded(given))
        return resultNotSubscribed;
    const Link link = given; // the argument may live in the sets it is erased from
    // By the indexes when they are known, as subscribe() connects: the same connection as the
    // texts name.
    QObject *publisher = this->publisher();
    const bool disconnected = signalIndex >= 0 && slotIndex >= 0
                                  ? QMetaObject::disconnect(publisher, signalIndex, link.delegate.observer, slotIndex)
                                  : QObject::disconnect(publisher, link.signal.signature.constData(),
                                                        link.delegate.observer, link.delegate.slot.constData());
    if (!disconnected)
        return resultConnectFailed;
    drop(link);
    return resultOk;
}

bool AbstractNotifierPrivate::drop(const Link &link)
{
    const auto recorded = m_links.find(link);
    if (recorded != m_links.end())
        m_links.erase(recorded);
    m_linksByObserver.erase(link.delegate.observer, link);
    m_linksBySignal.erase(link.signal.name, link);
    if (!m_linksByObserver.contains(link.delegate.observer)) {
        const auto helper = m_destroyHelpers.find(link.delegate.observer);
        if (helper != m_destroyHelpers.end()) {
            ObserverDestroyHelper *const released = helper->second;
            m_destroyHelpers.erase(helper);
            released->detach();
            delete released;
        }
    }

    const Callout callout(this);
    callAttachDetachSlots(publisher(), s_detachedPrefix, &link);
    if (callout.notifierGone())
        return false;
    m_notifier->onUnsubscribed(&link);
    return !callout.notifierGone();
}

void AbstractNotifierPrivate::releaseObserver(QObject *observer, ObserverDestroyHelper *helper)
{
    // Only an observer's destruction gets here: the notifier detaches the helpers it deletes.
    const auto entry = m_destroyHelpers.find(observer);
    if (entry != m_destroyHelpers.end() && entry->second == helper)
        m_destroyHelpers.erase(entry);
    // Qt has dropped the connections of the destroyed observer, so the links are only forgotten.
    const LinkSet &recorded = m_linksByObserver.links(observer);
    const std::vector<Link> links(recorded.begin(), recorded.end());
    m_dyingObservers.push_back(observer);
    for (const Link &link : links) {
        // A detach slot may have dropped links of this observer already, or deleted the
        // publisher (and with it this record).
        if (isRecorded(link) && !drop(link))
            return;
    }
    m_dyingObservers.pop_back();
}

void AbstractNotifierPrivate::callAttachDetachSlots(QObject *object, const QByteArray &prefix, const Link *link)
{
    // The signal's name is the link's signature between its code and "(".
    const QByteArray &signature = link->signal.signature;
    const qsizetype open = signature.indexOf('(');
    const QByteArrayView signalName = open > 1 ? QByteArrayView(signature).sliced(1, open - 1) : QByteArrayView();
    for (const SlotInfo &slot : metaObjectInfo().slotList()) {
        const QByteArray &name = slot.name();
        if (!isPrefixedName(name, prefix, signalName))
            continue;
        if (slot.parameters().size() != 1) {
            TRADE_ASSERT(false && "slot name matches the signal, while the argument count does not",
                         u"Common::AbstractNotifierPrivate::callAttachDetachSlots", unit, m_notifier);
            continue;
        }
        if (slot.parameters().constFirst() != s_linkParameterType) {
            TRADE_ASSERT(false && "slot name matches the signal, while the argument type is incorrect",
                         u"Common::AbstractNotifierPrivate::callAttachDetachSlots", unit, m_notifier);
            continue;
        }
        const bool invoked = QMetaObject::invokeMethod(object, slot.name(), Q_ARG(const Link *, link));
        TRADE_ASSERT_AS(invoked, u"QMetaObject::invokeMethod(object, slot.name(), Q_ARG(const Link*, link))",
                        u"Common::AbstractNotifierPrivate::callAttachDetachSlots", unit, m_notifier);
        return;
    }
}

// --- AbstractNotifier

AbstractNotifier::AbstractNotifier() : m_private(new AbstractNotifierPrivate(this))
{
}

AbstractNotifier::~AbstractNotifier() = default;

QObject *AbstractNotifier::qobject() const
{
    QObject *result = dynamic_cast<QObject *>(const_cast<AbstractNotifier *>(this));
    TRADE_ASSERT(result != NULL, u"Common::AbstractNotifier::qobject", unit, this)
        << "object must be inherited from QObject";
    return result;
}

void AbstractNotifier::onSubscribed(const Link *)
{
}

void AbstractNotifier::onUnsubscribed(const Link *)
{
}

void AbstractNotifier::subscribe(QObject *observer)
{
    AbstractNotifierPrivate *d = m_private.get();
    const MetaObjectInfo &observerInfo = infoOf(observer);
    const QPointer<QObject> observerAlive(observer);
    const AbstractNotifierPrivate::Callout callout(d);
    bool found = false;
    for (const SignalInfo &signal : d->metaObjectInfo().signalList()) {
        const SlotInfo &slot = observerInfo.findSlotForSignal(signal);
        if (slot.isEmpty())
            continue;
        found = true;
        const Link link{{observer, slot.decoratedSignature()}, {signal.name(), signal.decoratedSignature()}};
        TRADE_ASSERT(link.isValid(), u"Common::AbstractNotifier::subscribe", unit, this);
        if (!link.isValid() || d->isRecorded(link))
            continue;
        report(d->subscribe(link, signal.methodIndex(), slot.methodIndex()), u"Common::AbstractNotifier::subscribe",
               this);
        // An attach slot may have destroyed the observer, or the publisher.
        if (callout.notifierGone() || !observerAlive)
            return;
    }
    if (!found)
        logNothingConnected(d->publisher(), observer, this);
    logMisfitMethods(d->publisher(), d->metaObjectInfo(), observer, this);
}

void AbstractNotifier::subscribe(QObject *observer, const QByteArray &signal)
{
    const LinkOrError built = AbstractNotifierPrivate::linkByConvention(m_private->metaObjectInfo(), signal, observer);
    if (built.result != AbstractNotifierPrivate::resultOk)
        report(built.result, u"Common::AbstractNotifier::subscribe", this);
    else if (!m_private->isRecorded(built.link))
        report(m_private->subscribe(built.link, built.signalIndex, built.slotIndex),
               u"Common::AbstractNotifier::subscribe", this);
}

void AbstractNotifier::subscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot)
{
    const LinkOrError built =
        AbstractNotifierPrivate::linkWithSlot(m_private->metaObjectInfo(), signal, observer, slot);
    if (built.result != AbstractNotifierPrivate::resultOk)
        report(built.result, u"Common::AbstractNotifier::subscribe", this);
    else if (!m_private->isRecorded(built.link))
        report(m_private->subscribe(built.link, built.signalIndex, built.slotIndex),
               u"Common::AbstractNotifier::subscribe", this);
}

void AbstractNotifier::subscribe(const Link &link)
{
    report(m_private->subscribe(link), u"Common::AbstractNotifier::subscribe", this);
}

void AbstractNotifier::unsubscribe(QObject *observer)
{
    AbstractNotifierPrivate *d = m_private.get();
    const LinkSet &recorded = d->m_linksByObserver.links(observer);
    const std::vector<Link> links(recorded.begin(), recorded.end());
    const AbstractNotifierPrivate::Callout callout(d);
    for (const Link &link : links) {
        // A detach slot may have dropped links of this observer already.
        if (!d->isRecorded(link))
            continue;
        report(d->unsubscribe(link), u"Common::AbstractNotifier::unsubscribe", this);
        if (callout.notifierGone())
            return;
    }
}

void AbstractNotifier::unsubscribe(QObject *observer, const QByteArray &signal)
{
    const MetaObjectInfo &info = m_private->metaObjectInfo();
    const LinkOrError built = AbstractNotifierPrivate::linkByConvention(info, signal, observer);
    if (built.result == AbstractNotifierPrivate::resultSignalNotFound) {
        report(built.result, u"Common::AbstractNotifier::unsubscribe", this);
        return;
    }
    const Link *link = &built.link;
    if (built.result != AbstractNotifierPrivate::resultOk) {
        // No conventional slot: the observer's first link of that signal, whatever its slot.
        const QByteArray signature = AbstractNotifierPrivate::signalOf(info, signal).decoratedSignature();
        link = &emptyLink();
        for (const Link &recorded : m_private->m_linksByObserver.links(observer)) {
            if (recorded.signal.signature == signature) {
                link = &recorded;
                break;
            }
        }
    }
    report(m_private->unsubscribe(*link), u"Common::AbstractNotifier::unsubscribe", this);
}

void AbstractNotifier::unsubscribe(const QByteArray &signal, QObject *observer, const QByteArray &slot)
{
    const LinkOrError built =
        AbstractNotifierPrivate::linkWithSlot(m_private->metaObjectInfo(), signal, observer, slot);
    report(built.result != AbstractNotifierPrivate::resultOk
               ? built.result
               : m_private->unsubscribe(built.link, built.signalIndex, built.slotIndex),
           u"Common::AbstractNotifier::unsubscribe", this);
}

void AbstractNotifier::unsubscribe(const Link &link)
{
    report(m_private->unsubscribe(link), u"Common::AbstractNotifier::unsubscribe", this);
}

bool AbstractNotifier::isSubscribed(QObject *observer, const QByteArray &signal)
{
    const LinkOrError built = AbstractNotifierPrivate::linkByConvention(m_private->metaObjectInfo(), signal, observer);
    // Without a conventional slot the observer simply is not subscribed by convention.
    if (built.result == AbstractNotifierPrivate::resultSignalNotFound)
        report(built.result, u"Common::AbstractNotifier::isSubscribed", this);
    return built.result == AbstractNotifierPrivate::resultOk && m_private->isRecorded(built.link);
}

bool AbstractNotifier::isSubscribed(const QByteArray &signal, QObject *observer, const QByteArray &slot)
{
    const LinkOrError built =
        AbstractNotifierPrivate::linkWithSlot(m_private->metaObjectInfo(), signal, observer, slot);
    report(built.result, u"Common::AbstractNotifier::isSubscribed", this);
    return built.result == AbstractNotifierPrivate::resultOk && m_private->isRecorded(built.link);
}

bool AbstractNotifier::isSubscribed(const QObject *observer)
{
    return m_private->m_linksByObserver.contains(observer);
}

void AbstractNotifier::forward(const QByteArray &signal, QObject *target, const QByteArray &targetSignal)
{
    const SignalInfo source = AbstractNotifierPrivate::signalOf(m_private->metaObjectInfo(), signal);
    const SignalInfo destination = AbstractNotifierPrivate::signalOf(infoOf(target), targetSignal);
    if (source.isEmpty() || destination.isEmpty()) {
        report(AbstractNotifierPrivate::resultSignalNotFound, u"Common::AbstractNotifier::forward", this);
        return;
    }
    const Link link{{target, destination.decoratedSignature()}, {source.name(), source.decoratedSignature()}};
    if (!m_private->isRecorded(link))
        report(m_private->subscribe(link), u"Common::AbstractNotifier::forward", this);
}

void AbstractNotifier::forward(QObject *target, const QByteArray &signal)
{
    const SignalInfo source = AbstractNotifierPrivate::signalOf(m_private->metaObjectInfo(), signal);
    if (source.isEmpty()) {
        report(AbstractNotifierPrivate::resultSignalNotFound, u"Common::AbstractNotifier::forward", this);
        return;
    }
    // The target must have a signal of the same signature; QObject::connect finds out.
    const Link link{{target, source.decoratedSignature()}, {source.name(), source.decoratedSignature()}};
    if (!m_private->isRecorded(link))
        report(m_private->subscribe(link), u"Common::AbstractNotifier::forward", this);
}

const Link *AbstractNotifier::linkBySignalAndObserverOrSubscribe(const QByteArray &signal, QObject *observer)
{
    const SignalInfo found = AbstractNotifierPrivate::signalOf(m_private->metaObjectInfo(), signal);
    const QByteArray name = found.isEmpty() ? QByteArray() : found.name();
    const auto find = [this, &name, observer]() -> const Link * {
        for (const Link &link : m_private->m_linksByObserver.links(observer)) {
            if (link.signal.name == name)
                return &*m_private->m_links.find(link);
        }
        return nullptr;
    };
    if (const Link *link = find())
        return link;
    if (!observer)
        return &emptyLink();
    const AbstractNotifierPrivate::Callout callout(m_private.get());
    const QPointer<QObject> guardedObserver(observer);
    subscribe(observer, signal);
    // The attach slot may have destroyed the observer or this publisher: the slot existed, and
    // there is no link left to give.
    if (callout.notifierGone() || !guardedObserver)
        return &emptyLink();
    const Link *link = find();
    if (!link)
        link = &emptyLink();
    TRADE_ASSERT(link->isValid(), u"Common::AbstractNotifier::linkBySignalAndObserverOrSubscribe", unit, this)
        << "The observer must have an appropriate slot";
    return link;
}

int AbstractNotifier::linkCount(const QByteArray &signal)
{
    const SignalInfo found = AbstractNotifierPrivate::signalOf(m_private->metaObjectInfo(), signal);
    if (found.isEmpty()) {
        report(AbstractNotifierPrivate::resultSignalNotFound, u"Common::AbstractNotifier::linkCount", this);
        return 0;
    }
    return linkCountByName(found.name());
}

int AbstractNotifier::linkCountByName(const QByteArray &signalName) const
{
    return int(m_private->m_linksBySignal.links(signalName).size());
}

QVector<AbstractNotifier::Link> AbstractNotifier::links() const
{
    return QVector<Link>(m_private->m_links.begin(), m_private->m_links.end());
}

void AbstractNotifier::setConnectionType(Qt::ConnectionType type)
{
    m_private->m_connectionType = type;
}

Qt::ConnectionType AbstractNotifier::connectionType() const
{
    return m_private->m_connectionType;
}

// --- Static matching

void AbstractNotifier::subscribe(QObject *sender, QObject *observer, Qt::ConnectionType connectionType)
{
    const MetaObjectInfo &observerInfo = infoOf(observer);
    bool found = false;
    for (const SignalInfo &signal : infoOf(sender).signalList()) {
        const SlotInfo &slot = observerInfo.findSlotForSignal(signal);
        if (slot.isEmpty())
            continue;
        found = true;
        const bool connected = bool(
            QObject::connect(sender, signal.decoratedSignature(), observer, slot.decoratedSignature(), connectionType));
        TRADE_ASSERT_AS(connected,
                        u"QObject::connect(sender, signal.decoratedSignature(), observer, slot.decoratedSignature(), "
                        u"connectionType)",
                        u"Common::AbstractNotifier::subscribe", unit, nullptr);
    }
    if (!found)
        logNothingConnected(sender, observer, nullptr);
}

void AbstractNotifier::subscribe(QObject *sender, const QByteArray &signal, QObject *observer,
                                 Qt::ConnectionType connectionType)
{
    report(connectBuilt(AbstractNotifierPrivate::linkByConvention(infoOf(sender), signal, observer), sender,
                        connectionType),
           u"Common::AbstractNotifier::subscribe", nullptr);
}

void AbstractNotifier::subscribe(QObject *sender, const QByteArray &signal, QObject *observer, const QByteArray &slot,
                                 Qt::ConnectionType connectionType)
{
    report(connectBuilt(AbstractNotifierPrivate::linkWithSlot(infoOf(sender), signal, observer, slot), sender,
                        connectionType),
           u"Common::AbstractNotifier::subscribe", nullptr);
}

void AbstractNotifier::unsubscribe(QObject *sender, const QByteArray &signal, QObject *observer)
{
    report(disconnectBuilt(AbstractNotifierPrivate::linkByConvention(infoOf(sender), signal, observer), sender),
           u"Common::AbstractNotifier::unsubscribe", nullptr);
}

void AbstractNotifier::unsubscribe(QObject *sender, const QByteArray &signal, QObject *observer, const QByteArray &slot)
{
    report(disconnectBuilt(AbstractNotifierPrivate::linkWithSlot(infoOf(sender), signal, observer, slot), sender),
           u"Common::AbstractNotifier::unsubscribe", nullptr);
}

// --- Calls

void AbstractNotifier::call(const Link &link, QGenericArgument val0, QGenericArgument val1, QGenericArgument val2,
                            QGenericArgument val3, QGenericArgument val4, QGenericArgument val5, QGenericArgument val6,
                            QGenericArgument val7, QGenericArgument val8, QGenericArgument val9)
{
    // An observer that is being destroyed (a detach slot has its link) is not called: its own
    // part is gone already.
    const QMetaMethod method = link.delegate.metaMethod();
    const auto taken = argumentsFor(method, {val0, val1, val2, val3, val4, val5, val6, val7, val8, val9});
    const bool invoked =
        taken && !m_private->isDying(link.delegate.observer)
        && method.invoke(link.delegate.observer, m_private->m_connectionType, (*taken)[0], (*taken)[1], (*taken)[2],
                         (*taken)[3], (*taken)[4], (*taken)[5], (*taken)[6], (*taken)[7], (*taken)[8], (*taken)[9]);
    TRADE_ASSERT_AS(invoked,
                    u"link.delegate.metaMethod().invoke(link.delegate.observer, m_private->m_connectionType, val0, "
                    u"val1, val2, val3, val4, val5, val6, val7, val8, val9)",
                    u"Common::AbstractNotifier::call", unit, this);
}

void AbstractNotifier::unsubscribeAndCall(const Link &link, QGenericArgument val0, QGenericArgument val1,
                                          QGenericArgument val2, QGenericArgument val3, QGenericArgument val4,
                                          QGenericArgument val5, QGenericArgument val6, QGenericArgument val7,
                                          QGenericArgument val8, QGenericArgument val9)
{
    const Link copy = link;
    const AbstractNotifierPrivate::Callout callout(m_private.get());
    // An observer that is being destroyed is not called, and no QPointer may be made to it.
    const QPointer<QObject> observer(m_private->isDying(copy.delegate.observer) ? nullptr : copy.delegate.observer);
    unsubscribe(copy);
    // The detach slot or hook may have destroyed this publisher or the observer.
    if (!callout.notifierGone() && observer)
        call(copy, val0, val1, val2, val3, val4, val5, val6, val7, val8, val9);
}

void AbstractNotifier::callQueued(const QByteArray &method, QGenericArgument val0, QGenericArgument val1,
                                  QGenericArgument val2, QGenericArgument val3, QGenericArgument val4,
                                  QGenericArgument val5, QGenericArgument val6, QGenericArgument val7,
                                  QGenericArgument val8, QGenericArgument val9)
{
    const bool queued = QMetaObject::invokeMethod(qobject(), method, Qt::QueuedConnection, val0, val1, val2, val3, val4,
                                                  val5, val6, val7, val8, val9);
    TRADE_ASSERT_AS(queued,
                    u"QMetaObject::invokeMethod(qobject(), method, Qt::QueuedConnection, val0, val1, val2, val3, val4, "
                    u"val5, val6, val7, val8, val9)",
                    u"Common::AbstractNotifier::callQueued", unit, this);
}

void AbstractNotifier::callQueued(QObject *object, const QByteArray &method, QGenericArgument val0,
                                  QGenericArgument val1, QGenericArgument val2, QGenericArgument val3,
                                  QGenericArgument val4, QGenericArgument val5, QGenericArgument val6,
                                  QGenericArgument val7, QGenericArgument val8, QGenericArgument val9)
{
    const bool queued = QMetaObject::invokeMethod(object, method, Qt::QueuedConnection, val0, val1, val2, val3, val4,
                                                  val5, val6, val7, val8, val9);
    TRADE_ASSERT_AS(queued,
                    u"QMetaObject::invokeMethod(object, method, Qt::QueuedConnection, val0, val1, val2, val3, val4, "
                    u"val5, val6, val7, val8, val9)",
                    u"Common::AbstractNotifier::callQueued", unit, nullptr);
}

} // namespace Common
