#pragma once

#include <typekit/order/persistenttexts.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// How long an order lives: good till cancel, day, immediate or cancel, ...
class TYPEKIT_EXPORT OrderExpiry : public PersistentTexts<OrderExpiry>
{
    Q_GADGET

public:
    enum Type : qint32 {
        GoodTillCancel = 1,
        GoodTillCancelExt = 2,
        GoodTillDate = 3,
        DayOrder = 4,
        DayExt = 5,
        Am = 6,
        Pm = 7,
        MOC = 8,
        ImmediateOrCancel = 9,
        DayNB = 10,
        ExtendedHours = 11,
        AtTheOpening = 12,
        FillOrKill = 13,
        OPG = 14,
    };
    Q_ENUM(Type)

    OrderExpiry() : m_type(Type(0)) {}
    OrderExpiry(Type type) : m_type(type) {}
    OrderExpiry(int) = delete;

    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    /// The translated display text ("Day Order Ext"), made once per value; empty, after a report,
    /// for a value outside the table. The persistent text differs ("DayExt", see PersistentTexts).
    QString toString() const;

private:
    friend class PersistentTexts<OrderExpiry>;
    static dual_map<Type, QString> buildPersistentTexts();
    static const dual_map<Type, QString> &persistentTexts() { return s_persistentTexts; }
    static const dual_map<Type, QString> s_persistentTexts;

    Type m_type;
};

/// For logs and failing comparisons: Trade::OrderExpiry(DayExt).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const OrderExpiry &expiry);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderExpiry)
