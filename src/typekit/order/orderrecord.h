#pragma once

#include <typekit/averageprice.h>
#include <typekit/eventsource.h>
#include <typekit/iaccount.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderflags.h>
#include <typekit/order/orderstate.h>
#include <typekit/order/spreadlegsorderinfo.h>
#include <typekit/price.h>
#include <typekit/quantity.h>
#include <typekit/record/recorddatabase.h>
#include <typekit/topic/iordertopic.h>

class QDebug;

namespace Trade {

/// The typed view of one order: a record over the host's order topic with the accessors of every
/// order attribute, and the order's flags. The record keeps no typed members: every accessor finds
/// its field through the topic on each call.
class TYPEKIT_EXPORT OrderRecord : public RecordDataBase<IOrderTopic>
{
public:
    /// No entries, on the standard order topic.
    OrderRecord();
    /// The entries of `record`, unfiltered, on the standard order topic.
    explicit OrderRecord(const VariantRecord &record);
    OrderRecord(const OrderRecord &other);
    /// Takes the other's entries; the topic stays. Records of different topics are reported.
    OrderRecord &operator=(const OrderRecord &value);
    ~OrderRecord() override;

    /// The record saved with toJson() or saveJsonFile(), on the standard topic. The context, the
    /// problems and the mode are those of Variant::fromJson: a variant holding the symbol the
    /// values belong to; what could not be loaded (malformed text, unknown fields, symbols,
    /// accounts and templates that are gone or were replaced), each with its saved form; and
    /// whether a problem gives no record at all (LoadMode::Strict) or the record keeps what loaded
    /// (a reference that did not load stays as an entry with no value).
    static OrderRecord fromJson(const QString &json, const Variant &context = Variant(),
                                QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient)
    {
        QVector<LoadProblem> met;
        const Variant loaded = Variant::fromJson(json, context, &met);
        return OrderRecord(loadedRecord(loaded, met, problems, mode));
    }
    static OrderRecord loadJsonFile(const QString &path, const Variant &context = Variant(),
                                    QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient)
    {
        QVector<LoadProblem> met;
        const Variant loaded = Variant::loadJsonFile(path, context, &met);
        return OrderRecord(loadedRecord(loaded, met, problems, mode));
    }

    TRADE_RECORD_ATTRIBUTE(ISymbol *, symbol, Symbol, IOrderTopic, symbolField)
    TRADE_RECORD_ATTRIBUTE(IAccount *, account, Account, IOrderTopic, accountField)
    TRADE_RECORD_ATTRIBUTE(IExitStrategyTemplate *, exitStrategyTemplate, ExitStrategyTemplate, IOrderTopic,
                           exitStrategyTemplateField)
    TRADE_RECORD_ATTRIBUTE(QString, id, Id, IOrderTopic, idField)
    TRADE_RECORD_ATTRIBUTE(QString, zelTag, ZelTag, IOrderTopic, zelTagField)
    TRADE_RECORD_ATTRIBUTE(QString, type, Type, IOrderTopic, typeField)
    TRADE_RECORD_ATTRIBUTE(QString, stateText, StateText, IOrderTopic, stateTextField)
    TRADE_RECORD_ATTRIBUTE(int, stopLimitPlus, StopLimitPlus, IOrderTopic, stopLimitPlusField)
    TRADE_RECORD_ATTRIBUTE(OrderAction, action, Action, IOrderTopic, actionField)
    TRADE_RECORD_ATTRIBUTE(Price, limitPrice, LimitPrice, IOrderTopic, limitPriceField)
    TRADE_RECORD_ATTRIBUTE(Price, stopPrice, StopPrice, IOrderTopic, stopPriceField)
    TRADE_RECORD_ATTRIBUTE(OrderCategory, category, Category, IOrderTopic, categoryField)
    TRADE_RECORD_ATTRIBUTE(OrderState, state, State, IOrderTopic, stateField)
    TRADE_RECORD_ATTRIBUTE(OrderExpiry, expiry, Expiry, IOrderTopic, expiryField)
    TRADE_RECORD_ATTRIBUTE(Quantity, quantity, Quantity, IOrderTopic, quantityField)
    TRADE_RECORD_ATTRIBUTE(Quantity, filled, Filled, IOrderTopic, filledField)
    TRADE_RECORD_ATTRIBUTE(EventSource, eventSource, EventSource, IOrderTopic, eventSourceField)
    TRADE_RECORD_ATTRIBUTE(EventReason, eventReason, EventReason, IOrderTopic, eventReasonField)
    TRADE_RECORD_ATTRIBUTE(SpreadLegsOrderInfo, spreadLegs, SpreadLegs, IOrderTopic, spreadLegsField)

    /// Same entries; topics are not compared.
    bool operator==(const OrderRecord &other) const { return record() == other.record(); }
    bool operator!=(const OrderRecord &other) const { return !(*this == other); }

    /// The union of the entries, the other's values winning, on the standard order topic.
    OrderRecord merge(const VariantRecord &other) const;
    /// The same with another order; orders of different topics are reported.
    OrderRecord merge(const OrderRecord &other) const;

    /// The order's flags; after setFlag or clearFlag the flags field exists, even with no bit set.
    void setFlag(const OrderFlags &flag);
    void clearFlag(const OrderFlags &flag);
    bool isFlagSet(const OrderFlags &flag) const;

    /// An order says one of three things about its exit strategy: nothing (no entry), explicitly
    /// none (an empty variant), or a template.
    void setEmptyExitStrategyTemplate();
    bool hasEmptyExitStrategyTemplate() const;

private:
    void init() override;
    OrderFlags flags() const;
};

/// For logs and failing comparisons: Trade::OrderRecord(Order.Action: Trade::OrderAction(Buy), ...).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const OrderRecord &order);

} // namespace Trade
