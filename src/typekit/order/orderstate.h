#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The life-cycle state of an order as users see it, with the reason a completed order completed.
class TYPEKIT_EXPORT OrderState
{
    Q_GADGET

public:
    enum Type : qint32 {
        Queued = 1,
        Working = 2,
        Updating = 3,
        Canceling = 4,
        Completed = 5,
        Placing = 6,
        Virtual = 7,
    };
    Q_ENUM(Type)
    enum Reason : qint32 { reasonUnknown = 0, reasonRejected = 1, reasonCanceled = 2, reasonFilled = 3 };
    Q_ENUM(Reason)

    OrderState() : m_type(Type(0)), m_reason(reasonUnknown) {}
    /// A reason belongs to completed states only: another state with a reason is reported, and
    /// both values are kept as given.
    OrderState(Type type, Reason reason = reasonUnknown);

    Type type() const { return m_type; }
    operator Type() const { return m_type; }
    Reason reason() const { return m_reason; }

    bool isQueued() const { return m_type == Queued; }
    bool isWorking() const { return m_type == Working; }
    bool isUpdating() const { return m_type == Updating; }
    bool isCanceling() const { return m_type == Canceling; }
    bool isCompleted() const { return m_type == Completed; }
    bool isPlacing() const { return m_type == Placing; }
    bool isVirtual() const { return m_type == Virtual; }
    /// Every state but none and Completed.
    bool isActive() const { return m_type >= Queued && m_type <= Virtual && m_type != Completed; }
    bool isFilled() const { return m_type == Completed && m_reason == reasonFilled; }

    bool operator==(const OrderState &other) const { return m_type == other.m_type && m_reason == other.m_reason; }
    bool operator!=(const OrderState &other) const { return !(*this == other); }

    /// The translated display text ("Working"; a virtual order shows as "Queued", a completed one
    /// by its reason: "Rejected", "Canceled", "Filled"). Made once per text. An unknown state, or
    /// a completed one without a known reason, reports and gives an empty text.
    QString toString() const;
    /// The same texts untranslated.
    QString toLatin1String() const;
    /// The translated display text: saved order states hold what their users read.
    QString toSaveableString() const { return toString(); }
    /// Order states are not read back from text: this resets the overall state and keeps the
    /// reason.
    void fromSaveableString(const QString &text);

private:
    QString text(bool translated) const;

    Type m_type;
    Reason m_reason;
};

/// For logs and failing comparisons: Trade::OrderState(Completed, Filled).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const OrderState &state);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderState)
