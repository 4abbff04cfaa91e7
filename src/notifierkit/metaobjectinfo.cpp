#include "metaobjectinfo.h"

#include "methodname_p.h"

#include <notifierkit/criticalsection.h>

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
    const auto found =
        std::find_if(methods.begin(), methods.end(), [&text](const Info &method) { return method.name() == text; });
    return found == methods.end() ? Info() : *found;
}

// The methods of one type (signals or slots) of a meta-object, in its method order.
template <typename Info>
QVector<Info> methodsOf(const QMetaObject *metaObject, QMetaMethod::MethodType methodType)
{
    QVector<Info> methods;
    if (!metaObject)
        return methods;
    for (int index = 0; index < metaObject->methodCount(); ++index) {
        const QMetaMethod method = metaObject->method(index);
        if (method.methodType() != methodType)
            continue;
        // The index that Qt's lookup by text finds: a method that a derived class declares
        // again is found there. (A signal's form without its defaulted parameters keeps its own
        // index; Qt connects it as the full signal, by index as by text.)
        const QByteArray signature = method.methodSignature();
        const int found = methodType == QMetaMethod::Signal ? metaObject->indexOfSignal(signature.constData())
                                                            : metaObject->indexOfSlot(signature.constData());
        methods.append(Info(signature, found));
    }
    return methods;
}

} // namespace

MetaObjectInfo::MetaObjectInfo(const QMetaObject *metaObject)
    : m_metaObject(metaObject), m_signals(methodsOf<SignalInfo>(metaObject, QMetaMethod::Signal)),
      m_slots(methodsOf<SlotInfo>(metaObject, QMetaMethod::Slot))
{
}

MetaObjectInfo::MetaObjectInfo(const QObject *object) : MetaObjectInfo(object ? object->metaObject() : nullptr)
{
}

MetaObjectInfo &MetaObjectInfo::operator=(const MetaObjectInfo &other)
{
    TRADE_ASSERT(m_metaObject == NULL && "Only initial assignment is allowed.", u"Common::MetaObjectInfo::operator =",
                 unit, this);
    if (this == &other)
        return *this;
    m_metaObject = other.m_metaObject;
    m_signals = other.m_signals;
    m_slots = other.m_slots;
    return *this;
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
            TRADE_ASSERT(false
                             && "Signal/slot signatures seem to be compatible, with the only difference in namespaces.",
                         u"Common::MetaObjectInfo::checkNamespaceCompatibility", unit, this);
        }
    }
}

const MetaObjectInfo &MetaObjectInfo::shared(const QMetaObject *metaObject)
{
    // std::map keeps its entries in place, so the references handed out stay valid; an entry is
    // complete when it is made (under the lock), so its readers need no lock.
    // Kept for the life of the process: observers may be destroyed after this library's statics.
    static CriticalSection &lock = *new CriticalSection;
    static std::map<const QMetaObject *, MetaObjectInfo> &registry = *new std::map<const QMetaObject *, MetaObjectInfo>;
    const CriticalSectionLocker locker(&lock);
    return registry.try_emplace(metaObject, metaObject).first->second;
}

} // namespace Common
