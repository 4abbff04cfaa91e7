#pragma once

#include <typekit/iaccount.h>
#include <typekit/log/logcategory.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderstate.h>
#include <typekit/position/tradeside.h>
#include <typekit/price.h>
#include <typekit/quantity.h>
#include <typekit/topic/iordertopic.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/variantrecord.h>

#include <QtCore/QDateTime>

namespace Trade {

/// Typed reads of an order held as a bare record with its order topic, and a few facts derived
/// from it. Each read says below whether a missing value is silent ("plain") or reported
/// ("reporting"); both give the same default.
class TYPEKIT_EXPORT OrderUtils
{
public:
    // Every operation takes the record and the topic that names its fields. A null topic is
    // reported ("topic != NULL") and the operation gives its neutral result: the default below,
    // false, or a side and a log category without value.

    /// Plain reads: silent; the default when the record holds no value of exactly the type.
    static QString id(const VariantRecord &record, const IOrderTopic *topic);              // plain, empty
    static QString zelTag(const VariantRecord &record, const IOrderTopic *topic);          // plain, empty
    static QString type(const VariantRecord &record, const IOrderTopic *topic);            // plain, empty
    static QDateTime timestamp(const VariantRecord &record, const IOrderTopic *topic);     // plain, null
    static QDate gtd(const VariantRecord &record, const IOrderTopic *topic);               // plain, null
    static Price limit(const VariantRecord &record, const IOrderTopic *topic);             // plain, no value
    static Price stopPrice(const VariantRecord &record, const IOrderTopic *topic);         // plain, no value
    static Price averagePrice(const VariantRecord &record, const IOrderTopic *topic);      // plain, no value
    static OrderCategory category(const VariantRecord &record, const IOrderTopic *topic);  // plain, 0
    static Quantity quantity(const VariantRecord &record, const IOrderTopic *topic);       // plain, no value
    static Quantity filledQuantity(const VariantRecord &record, const IOrderTopic *topic); // plain, no value
    static IExitStrategyTemplate *exitStrategyTemplate(const VariantRecord &record,
                                                       const IOrderTopic *topic); // plain, null

    /// Reporting reads: a missing value is reported once (the condition names the missing
    /// value, the message says which attribute is invalid) and the default is given all the same.
    static ISymbol *symbol(const VariantRecord &record, const IOrderTopic *topic);                 // reporting, null
    static IAccount *account(const VariantRecord &record, const IOrderTopic *topic);               // reporting, null
    static OrderAction action(const VariantRecord &record, const IOrderTopic *topic);              // reporting, 0
    static OrderState state(const VariantRecord &record, const IOrderTopic *topic);                // reporting, 0
    static OrderExpiry expiry(const VariantRecord &record, const IOrderTopic *topic);              // reporting, 0
    static BracketCategory bracketCategory(const VariantRecord &record, const IOrderTopic *topic); // reporting, 0

    /// Tests: silent. A value of another type than the field's is no value.
    static bool hasSymbol(const VariantRecord &record, const IOrderTopic *topic);
    static bool hasAccount(const VariantRecord &record, const IOrderTopic *topic);
    static bool hasTimestamp(const VariantRecord &record, const IOrderTopic *topic);
    /// An action other than 0 is stored.
    static bool hasSide(const VariantRecord &record, const IOrderTopic *topic);
    /// Whether the order category read as category() does is 5 (silent). In this library's
    /// numbering category 5 is LimitAtAsk; trailing stops are the bracket category's value 5.
    /// Callers that ask rely on that number, so the test stays a test of the number.
    static bool isTrailingStop(const VariantRecord &record, const IOrderTopic *topic);

    /// Broker Order for an order with an id (the broker knows it), else Local Order; silent.
    static LogCategory logCategory(const VariantRecord &record, const IOrderTopic *topic);
    /// The account's identifier; empty, silently, without an account.
    static QString accountId(const VariantRecord &record, const IOrderTopic *topic);
    /// The quantity less the filled quantity; the quantity when nothing is filled; no value
    /// without a quantity. Silent.
    static Quantity remainingQuantity(const VariantRecord &record, const IOrderTopic *topic);
    /// Long for buying actions, Short for selling ones. An order without action reports (here and
    /// in the reads it makes) and is Short.
    static TradeSide side(const VariantRecord &record, const IOrderTopic *topic);
};

} // namespace Trade
