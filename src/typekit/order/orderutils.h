// Typed reads of an order held as a bare record with its order topic, and a few facts derived
// from it. Plain reads are silent and give a default when the record holds no value of the
// wanted type; reporting reads report a missing value once and give the default all the same.
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

class TYPEKIT_EXPORT OrderUtils
{
public:
    static QString id(const VariantRecord &record, const IOrderTopic *topic);
    static QString zelTag(const VariantRecord &record, const IOrderTopic *topic);
    static QString type(const VariantRecord &record, const IOrderTopic *topic);
    static QDateTime timestamp(const VariantRecord &record, const IOrderTopic *topic);
    static QDate gtd(const VariantRecord &record, const IOrderTopic *topic);
    static Price limit(const VariantRecord &record, const IOrderTopic *topic);
    static Price stopPrice(const VariantRecord &record, const IOrderTopic *topic);
    static Price averagePrice(const VariantRecord &record, const IOrderTopic *topic);
    static OrderCategory category(const VariantRecord &record, const IOrderTopic *topic);
    static Quantity quantity(const VariantRecord &record, const IOrderTopic *topic);
    static Quantity filledQuantity(const VariantRecord &record, const IOrderTopic *topic);
    static IExitStrategyTemplate *exitStrategyTemplate(const VariantRecord &record, const IOrderTopic *topic);

    static ISymbol *symbol(const VariantRecord &record, const IOrderTopic *topic);
    static IAccount *account(const VariantRecord &record, const IOrderTopic *topic);
    static OrderAction action(const VariantRecord &record, const IOrderTopic *topic);
    static OrderState state(const VariantRecord &record, const IOrderTopic *topic);
    static OrderExpiry expiry(const VariantRecord &record, const IOrderTopic *topic);
    static BracketCategory bracketCategory(const VariantRecord &record, const IOrderTopic *topic);

    static bool hasSymbol(const VariantRecord &record, const IOrderTopic *topic);
    static bool hasAccount(const VariantRecord &record, const IOrderTopic *topic);
    static bool hasTimestamp(const VariantRecord &record, const IOrderTopic *topic);
    // An action other than 0 is stored.
    static bool hasSide(const VariantRecord &record, const IOrderTopic *topic);
    // Whether the order category read as category() does is 5. The test is kept as orders have
    // always been read: in this library's numbering category 5 is LimitAtAsk (trailing stops are
    // the bracket category's value 5), and callers that test it rely on that number.
    static bool isTrailingStop(const VariantRecord &record, const IOrderTopic *topic);

    // Broker Order for an order with an id (the broker knows it), else Local Order.
    static LogCategory logCategory(const VariantRecord &record, const IOrderTopic *topic);
    // The account's identifier; empty, silently, without an account.
    static QString accountId(const VariantRecord &record, const IOrderTopic *topic);
    // The quantity less the filled quantity; the quantity when nothing is filled; no value
    // without a quantity.
    static Quantity remainingQuantity(const VariantRecord &record, const IOrderTopic *topic);
    // Long for buying actions, Short for selling ones. An order without action reports (here and
    // in the reads it makes) and is Short.
    static TradeSide side(const VariantRecord &record, const IOrderTopic *topic);
};

} // namespace Trade
