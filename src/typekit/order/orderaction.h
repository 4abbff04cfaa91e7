#pragma once

#include <typekit/order/persistenttexts.h>
#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// What an order does: buy or sell, opening or closing a position.
class TYPEKIT_EXPORT OrderAction : public PersistentTexts<OrderAction>
{
    Q_GADGET

public:
    enum Type : qint32 { Buy = 1, Sell = 2, SellShort = 3, BuyToCover = 4 };
    Q_ENUM(Type)

    OrderAction() : m_type(Type(0)) {}
    OrderAction(Type type) : m_type(type) {}
    /// Buy and open: Buy; buy and close: BuyToCover; sell and open: SellShort; sell and close: Sell.
    OrderAction(bool isBuy, bool isOpen);
    /// Buy when true, else Sell.
    explicit OrderAction(bool isBuy) : m_type(isBuy ? Buy : Sell) {}
    OrderAction(int) = delete; // an integer is no action: say OrderAction::Type(n)

    bool isValid() const { return m_type != Type(0); }
    /// These report an action without a value, then answer false.
    bool isBuy() const;
    bool isSell() const;
    bool isOpen() const;
    /// The same sense (opening or closing) on the other side: Buy and SellShort swap, Sell and
    /// BuyToCover swap. An action without a value reports twice and gives BuyToCover.
    OrderAction reverseSide() const;

    /// The value as it is, without a report (0 for none).
    Type type() const { return m_type; }
    /// Reports an action without a value, then gives it.
    operator Type() const;

    /// The display text: the persistent text ("Sell Short"), translated, made once per value;
    /// empty, after a report, for a value outside the table. toSaveableString() and
    /// fromSaveableString() (from PersistentTexts) read and write the untranslated text.
    QString toString() const;

private:
    friend class PersistentTexts<OrderAction>;
    static dual_map<Type, QString> buildPersistentTexts();
    static const dual_map<Type, QString> &persistentTexts() { return s_persistentTexts; }
    static const dual_map<Type, QString> s_persistentTexts;

    Type m_type;
};

/// For logs and failing comparisons: Trade::OrderAction(SellShort).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const OrderAction &action);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderAction)
