#include "orderutils.h"

namespace Trade {

namespace {

constexpr QStringView unit = u"order/orderutils";

template <typename T>
T read(const VariantRecord &record, IField *field, const T &fallback = T())
{
    return record.heldOr(field, fallback);
}

// Every read needs the topic that names the order's fields; without one it reports and the read
// gives its neutral result.
bool hasTopic(const IOrderTopic *topic, QStringView function)
{
    TRADE_ASSERT(topic != NULL, function, unit, nullptr);
    return topic != nullptr;
}

} // namespace

QString OrderUtils::id(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::id"))
        return QString();
    return read<QString>(record, topic->idField());
}

QString OrderUtils::zelTag(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::zelTag"))
        return QString();
    return read<QString>(record, topic->zelTagField());
}

QString OrderUtils::type(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::type"))
        return QString();
    return read<QString>(record, topic->typeField());
}

QDateTime OrderUtils::timestamp(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::timestamp"))
        return QDateTime();
    return read<QDateTime>(record, topic->timestampField());
}

QDate OrderUtils::gtd(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::gtd"))
        return QDate();
    return read<QDate>(record, topic->gtdField());
}

Price OrderUtils::limit(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::limit"))
        return Price();
    return read<Price>(record, topic->limitPriceField());
}

Price OrderUtils::stopPrice(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::stopPrice"))
        return Price();
    return read<Price>(record, topic->stopPriceField());
}

Price OrderUtils::averagePrice(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::averagePrice"))
        return Price();
    return read<Price>(record, topic->averagePriceField());
}

OrderCategory OrderUtils::category(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::category"))
        return OrderCategory();
    return read<OrderCategory>(record, topic->categoryField());
}

Quantity OrderUtils::quantity(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::quantity"))
        return Quantity();
    return read<Quantity>(record, topic->quantityField());
}

Quantity OrderUtils::filledQuantity(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::filledQuantity"))
        return Quantity();
    return read<Quantity>(record, topic->filledField());
}

IExitStrategyTemplate *OrderUtils::exitStrategyTemplate(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::exitStrategyTemplate"))
        return nullptr;
    return read<IExitStrategyTemplate *>(record, topic->exitStrategyTemplateField(), nullptr);
}

ISymbol *OrderUtils::symbol(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::symbol"))
        return nullptr;
    ISymbol *result = read<ISymbol *>(record, topic->symbolField(), nullptr);
    TRADE_ASSERT(result != NULL, u"Trade::OrderUtils::symbol", unit, nullptr) << "invalid order symbol";
    return result;
}

IAccount *OrderUtils::account(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::account"))
        return nullptr;
    IAccount *result = read<IAccount *>(record, topic->accountField(), nullptr);
    TRADE_ASSERT(result != NULL, u"Trade::OrderUtils::account", unit, nullptr) << "invalid order account";
    return result;
}

OrderAction OrderUtils::action(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::action"))
        return OrderAction();
    const OrderAction result = read<OrderAction>(record, topic->actionField());
    TRADE_ASSERT_AS(result.isValid(), u"result != OrderAction::Unknown", u"Trade::OrderUtils::action", unit, nullptr)
        << "invalid order action";
    return result;
}

OrderState OrderUtils::state(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::state"))
        return OrderState();
    const OrderState result = read<OrderState>(record, topic->stateField());
    TRADE_ASSERT_AS(result.type() != 0, u"result != OrderState::Unknown", u"Trade::OrderUtils::state", unit, nullptr)
        << "invalid order state";
    return result;
}

OrderExpiry OrderUtils::expiry(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::expiry"))
        return OrderExpiry();
    const OrderExpiry result = read<OrderExpiry>(record, topic->expiryField());
    TRADE_ASSERT_AS(result != 0, u"result != OrderExpiry::Unknown", u"Trade::OrderUtils::expiry", unit, nullptr)
        << "invalid order expiry";
    return result;
}

BracketCategory OrderUtils::bracketCategory(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::bracketCategory"))
        return BracketCategory();
    const BracketCategory result = read<BracketCategory>(record, topic->bracketCategoryField());
    TRADE_ASSERT_AS(!result.isUnknown(), u"result != BracketCategory::Unknown", u"Trade::OrderUtils::bracketCategory",
                    unit, nullptr)
        << "invalid bracket type";
    return result;
}

bool OrderUtils::hasSymbol(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::hasSymbol"))
        return false;
    return record.hasValue(topic->symbolField());
}

bool OrderUtils::hasAccount(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::hasAccount"))
        return false;
    return record.hasValue(topic->accountField());
}

bool OrderUtils::hasTimestamp(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::hasTimestamp"))
        return false;
    return record.hasValue(topic->timestampField());
}

bool OrderUtils::hasSide(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::hasSide"))
        return false;
    return record.hasValue(topic->actionField()) && read<OrderAction>(record, topic->actionField()).isValid();
}

bool OrderUtils::isTrailingStop(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::isTrailingStop"))
        return false;
    return OrderCategory::Type(category(record, topic)) == 5;
}

LogCategory OrderUtils::logCategory(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::logCategory"))
        return LogCategory();
    return record.hasValue(topic->idField()) ? LogCategory::BrokerOrder : LogCategory::LocalOrder;
}

QString OrderUtils::accountId(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::accountId"))
        return QString();
    const IAccount *owner = read<IAccount *>(record, topic->accountField(), nullptr);
    return owner ? owner->id() : QString();
}

Quantity OrderUtils::remainingQuantity(const VariantRecord &record, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::remainingQuantity"))
        return Quantity();
    // The plain reads of quantity() and filledQuantity(), the topic checked once.
    const Quantity ordered = read<Quantity>(record, topic->quantityField());
    if (!ordered.hasValue())
        return Quantity();
    const Quantity filled = read<Quantity>(record, topic->filledField());
    if (!filled.hasValue())
        return ordered;
    return ordered - filled;
}

TradeSide OrderUtils::side(const VariantRecord &orderVariantRecord, const IOrderTopic *topic)
{
    if (!hasTopic(topic, u"Trade::OrderUtils::side"))
        return TradeSide();
    TRADE_ASSERT_BARE(hasSide(orderVariantRecord, topic), u"Trade::OrderUtils::side", unit, nullptr);
    return action(orderVariantRecord, topic).isBuy() ? TradeSide::Long : TradeSide::Short;
}

} // namespace Trade
