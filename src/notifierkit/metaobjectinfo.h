/// \class Common::MetaObjectInfo
/// The signals and slots of one Qt meta-object as method descriptions, and the three lookups the
/// notifier needs: a signal by name, a slot by name, and the conventional slot for a signal.
///
/// Descriptions are shared per meta-object through shared(), so that each observer class's slot
/// list is built once per process.
#pragma once

#include <notifierkit/methodinfo.h>

#include <QtCore/QVector>

#include <atomic>

struct QMetaObject;
class QObject;

namespace Common {

class NOTIFIERKIT_EXPORT MetaObjectInfo
{
public:
    MetaObjectInfo() = default;
    explicit MetaObjectInfo(const QMetaObject *metaObject) : m_metaObject(metaObject) {}
    /// The object's metaObject(); an empty description for null.
    explicit MetaObjectInfo(const QObject *object);
    /// Starts empty and assigns.
    MetaObjectInfo(const MetaObjectInfo &other);
    /// Meant only for an empty target; onto another one it reports and copies anyway.
    MetaObjectInfo &operator=(const MetaObjectInfo &other);
    ~MetaObjectInfo();

    const QMetaObject *metaObject() const { return m_metaObject; }
    /// The signals and the slots in meta-object method order (inherited ones first), each list
    /// filled on first use. (signals and slots are Qt keywords, hence the names.)
    const QVector<SignalInfo> &signalList() const;
    const QVector<SlotInfo> &slotList() const;

    /// A decorated text is taken as it is, without looking at the meta-object; a plain name gives
    /// the first method of that name; an empty description when there is none.
    SignalInfo findSignal(const QByteArray &text) const;
    SlotInfo findSlot(const QByteArray &text) const;
    /// The first slot named "slot_" followed by the signal's name whose parameters are the
    /// signal's or a leading part of them (texts compared exactly); an empty description when
    /// there is none.
    const SlotInfo &findSlotForSignal(const SignalInfo &signal) const;
    /// Reports a slot whose parameter types differ from the signal's only in their namespaces:
    /// a near miss of findSlotForSignal() worth telling the developer about.
    void checkNamespaceCompatibility(const SignalInfo &signal, const SlotInfo &slot) const;

    /// The process-wide description of a meta-object (null included), made on first request and
    /// kept until the library is unloaded. Safe from any thread.
    static const MetaObjectInfo &shared(const QMetaObject *metaObject);

private:
    template <typename Info>
    void fill(QVector<Info> &list, std::atomic<bool> &filled, int methodType) const;

    /// What prefixes a conventional slot's name ("slot_"), and what ends a type's namespace.
    static const QByteArray s_slotPrefix;
    static const QByteArray s_namespaceSeparator;

    const QMetaObject *m_metaObject = nullptr;
    mutable QVector<SignalInfo> m_signals;
    mutable std::atomic<bool> m_signalsFilled{false};
    mutable QVector<SlotInfo> m_slots;
    mutable std::atomic<bool> m_slotsFilled{false};
    mutable CriticalSection m_lock;
};

} // namespace Common
