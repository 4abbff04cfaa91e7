#pragma once

#include <notifierkit/methodinfo.h>

#include <QtCore/QVector>

struct QMetaObject;
class QObject;

namespace Common {

/// The signals and slots of one Qt meta-object as method descriptions, and the three lookups the
/// notifier needs: a signal by name, a slot by name, and the conventional slot for a signal.
///
/// A description is complete when it is made and never changes afterwards, so any thread may
/// read it without a lock. Descriptions are shared per meta-object through shared(), so that each
/// class's method lists are built once per process.
class NOTIFIERKIT_EXPORT MetaObjectInfo
{
public:
    MetaObjectInfo() = default;
    /// Reads the meta-object's signals and slots (none for null).
    explicit MetaObjectInfo(const QMetaObject *metaObject);
    /// The object's metaObject(); an empty description for null.
    explicit MetaObjectInfo(const QObject *object);
    MetaObjectInfo(const MetaObjectInfo &other) = default;
    /// Meant only for an empty target; onto another one it reports and copies anyway.
    MetaObjectInfo &operator=(const MetaObjectInfo &other);
    ~MetaObjectInfo() = default;

    const QMetaObject *metaObject() const { return m_metaObject; }
    /// The signals and the slots in meta-object method order (inherited ones first). (signals
    /// and slots are Qt keywords, hence the names.)
    const QVector<SignalInfo> &signalList() const { return m_signals; }
    const QVector<SlotInfo> &slotList() const { return m_slots; }

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
    /// What prefixes a conventional slot's name ("slot_"), and what ends a type's namespace.
    static const QByteArray s_slotPrefix;
    static const QByteArray s_namespaceSeparator;

    const QMetaObject *m_metaObject = nullptr;
    QVector<SignalInfo> m_signals;
    QVector<SlotInfo> m_slots;
};

} // namespace Common
