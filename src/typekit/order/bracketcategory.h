#pragma once

#include <typekit/order/persistenttexts.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// Which protective legs (stop loss, take profit, trailing stop) an order carries.
class TYPEKIT_EXPORT BracketCategory : public PersistentTexts<BracketCategory>
{
    Q_GADGET

public:
    enum Type : qint32 {
        Unknown = 0,
        None = 1,
        StopLoss = 2,
        TakeProfit = 3,
        StopLossTakeProfit = 4,
        TrailingStop = 5,
        TrailingStopTakeProfit = 6,
    };
    Q_ENUM(Type)

    BracketCategory() : m_type(Unknown) {}
    BracketCategory(Type type) : m_type(type) {}
    BracketCategory(int) = delete;

    /// The value as it is, without a report.
    Type type() const { return m_type; }
    /// Reports Unknown, then gives it.
    operator Type() const;

    /// The value 0, which has no text; asked without the report of the conversion.
    bool isUnknown() const { return m_type == Unknown; }

    /// Trailing stops count as neither.
    bool hasStopLoss() const { return m_type == StopLoss || m_type == StopLossTakeProfit; }
    bool hasTakeProfit() const { return m_type == TakeProfit || m_type == StopLossTakeProfit; }

    /// The display text: the persistent text ("StopLossTakeProfit"), translated, made once per
    /// value; empty, after a report, for Unknown and values outside the table.
    QString toString() const;

private:
    friend class PersistentTexts<BracketCategory>;
    static dual_map<Type, QString> buildPersistentTexts();
    static const dual_map<Type, QString> &persistentTexts() { return s_persistentTexts; }
    static const dual_map<Type, QString> s_persistentTexts;

    Type m_type;
};

/// For logs and failing comparisons: Trade::BracketCategory(StopLoss).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const BracketCategory &category);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::BracketCategory)
