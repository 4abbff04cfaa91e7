#include "metaobjectinfo.h"

#include "methodname_p.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QMetaMethod>
#include <QtCore/QObject>

#include <algorithm>
#include <map>

namespace Common {

namespace {

constexpr QStringView unit = u"notifier/metaobjectinfo";

const SlotInfo &emptySlot()
{
    static const SlotInfo empty;
    return empty;
}

// The namespace-free rest of a type text: what follows its first "::"; the whole text when it
// has none or starts with one.
QByteArrayView withoutNamespace(const QByteArray &type, const QByteArray &separator)
{
    const qsizetype at = type.indexOf(separator);
    return at > 0 ? QByteArrayView(type).sliced(at + separator.size()) : QByteArrayView(type);
}

// A decorated text as it is; else the first method of that name; else an empty description.
template <typename Info>
Info findMethod(const QByteArray &text, const QVector<Info> &methods)
{
    if (Info::isDecorated(text))
        return Info(text);
    const auto found = std::find_if(methods.begin(), methods.end(), [&text](const Info &method) { return method.name() == text; });
    return found == methods.end() ? Info() : *found;
}

} // namespace

MetaObjectInfo::MetaObjectInfo(const QObject *object) : m_metaObject(object ? object->metaObject() : nullptr) {}

MetaObjectInfo::MetaObjectInfo(const MetaObjectInfo &other)
{
    *this = other;
}

MetaObjectInfo &MetaObjectInfo::operator=(const MetaObjectInfo &other)
{
    TRADE_ASSERT(m_metaObject == NULL && "Only initial assignment is allowed.",
                 u"Common::MetaObjectInfo::operator =", unit, this);
    if (this == &other)
        return *this;
    m_metaObject = other.m_metaObject;
    // A list of the other description is taken only once it is complete (another thread may
    // be filling it); an incomplete one is filled anew here on first use.
    const bool signalsFilled = other.m_signalsFilled.load(std::memory_order_acquire);
    m_signals = signalsFilled ? other.m_signals : QVector<SignalInfo>();
    m_signalsFilled.store(signalsFilled, std::memory_order_release);
    const bool slotsFilled = other.m_slotsFilled.load(std::memory_order_acquire);
    m_slots = slotsFilled ? other.m_slots : QVector<SlotInfo>();
    m_slotsFilled.store(slotsFilled, std::memory_order_release);
    return *this;
}

MetaObjectInfo::~MetaObjectInfo() = default;

template <typename Info>
void MetaObjectInfo::fill(QVector<Info> &list, std::atomic<bool> &filled, int methodType) const
{
    if (filled.load(std::memory_order_acquire))
        return;
    const CriticalSectionLocker lock(&m_lock);
    if (filled.load(std::memory_order_relaxed))
        return;
    QVector<Info> methods;
    if (m_metaObject) {
        for (int index = 0; index < m_metaObject->methodCount(); ++index) {
            const QMetaMethod method = m_metaObject->method(index);
            if (method.methodType() != methodType)
                continue;
            // The index that Qt's lookup by text finds: a method that a derived class declares
            // again is found there. (A signal's form without its defaulted parameters keeps its own
            // index; Qt connects it as the full signal, by index as by text.)
            const QByteArray signature = method.methodSignature();
            const int found = methodType == QMetaMethod::Signal ? m_metaObject->indexOfSignal(signature.constData())
                                                                : m_metaObject->indexOfSlot(signature.constData());
            methods.append(Info(signature, found));
        }
    }
    list.swap(methods);
    filled.store(true, std::memory_order_release);
}

const QVector<SignalInfo> &MetaObjectInfo::signalList() const
{
    fill(m_signals, m_signalsFilled, QMetaMethod::Signal);
    return m_signals;
}

const QVector<SlotInfo> &MetaObjectInfo::slotList() const
{
    fill(m_slots, m_slotsFilled, QMetaMethod::Slot);
    return m_slots;
}

SignalInfo MetaObjectInfo::findSignal(const QByteArray &text) const
{
    return findMethod(text, signalList());
}

SlotInfo MetaObjectInfo::findSlot(const QByteArray &text) const
{
    return findMethod(text, slotList());
}

const SlotInfo &MetaObjectInfo::findSlotForSignal(const SignalInfo &signal) const
{
    // The wanted slot is "slot_" + the signal's signature; compared piece by piece rather than
    // built, since subscribe() asks this for every signal of a publisher.
    const QByteArray &signalName = signal.name();
    const QList<QByteArray> &signalParameters = signal.parameters();
    for (const SlotInfo &slot : slotList()) {
        const QByteArray &name = slot.name();
        if (!isPrefixedName(name, s_slotPrefix, signalName))
            continue;
        const QList<QByteArray> &parameters = slot.parameters();
        if (parameters.size() <= signalParameters.size()
            && std::equal(parameters.begin(), parameters.end(), signalParameters.begin())) {
            return slot;
        }
    }
    return emptySlot();
}

void MetaObjectInfo::checkNamespaceCompatibility(const SignalInfo &signal, const SlotInfo &slot) const
{
    const QList<QByteArray> &signalParameters = signal.parameters();
    const QList<QByteArray> &slotParameters = slot.parameters();
    if (slotParameters.size() > signalParameters.size())
        return;
    for (qsizetype i = 0; i < slotParameters.size(); ++i) {
        const QByteArray &wanted = signalParameters.at(i);
        const QByteArray &given = slotParameters.at(i);
        if (wanted != given
            && withoutNamespace(wanted, s_namespaceSeparator) == withoutNamespace(given, s_namespaceSeparator)) {
            TRADE_ASSERT(false && "Signal/slot signatures seem to be compatible, with the only difference in namespaces.",
                         u"Common::MetaObjectInfo::checkNamespaceCompatibility", unit, this);
        }
    }
}

const MetaObjectInfo &MetaObjectInfo::shared(const QMetaObject *metaObject)
{
    // std::map keeps its entries in place, so the references handed out stay valid.
    // Kept for the life of the process: observers may be destroyed after this library's statics.
    static CriticalSection &lock = *new CriticalSection;
    static std::map<const QMetaObject *, MetaObjectInfo> &registry = *new std::map<const QMetaObject *, MetaObjectInfo>;
    const CriticalSectionLocker locker(&lock);
    return registry.try_emplace(metaObject, metaObject).first->second;
}

} // namespace Common
