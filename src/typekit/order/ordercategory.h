#pragma once

#include <typekit/order/persistenttexts.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The kind of an order: market, limit, stop, ...
class TYPEKIT_EXPORT OrderCategory : public PersistentTexts<OrderCategory>
{
    Q_GADGET

public:
    enum Type : qint32 { Market = 1, Limit = 2, Stop = 3, StopLimit = 4, LimitAtAsk = 5, LimitAtBid = 6 };
    Q_ENUM(Type)

    OrderCategory() : m_type(Type(0)) {}
    OrderCategory(Type type) : m_type(type) {}
    OrderCategory(int) = delete;

    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    bool isLimitAtBidOrAsk() const { return m_type == LimitAtAsk || m_type == LimitAtBid; }
    /// LimitAtBid gives LimitAtAsk and every other value LimitAtBid; a value that is neither of
    /// the two is reported first.
    OrderCategory reverseLimitBidAsk() const;

    /// The display text is the persistent text, untranslated ("Limit At Ask"); empty, silently,
    /// outside the table. Order kinds are never translated.
    QString toString() const { return toSaveableString(); }

private:
    friend class PersistentTexts<OrderCategory>;
    static dual_map<Type, QString> buildPersistentTexts();
    static const dual_map<Type, QString> &persistentTexts() { return s_persistentTexts; }
    static const dual_map<Type, QString> s_persistentTexts;

    Type m_type;
};

/// For logs and failing comparisons: Trade::OrderCategory(LimitAtAsk).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const OrderCategory &category);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderCategory)
