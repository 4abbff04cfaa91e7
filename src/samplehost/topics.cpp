#include "topics.h"

#include <typekit/eventsource.h>
#include <typekit/iaccount.h>
#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderflags.h>
#include <typekit/order/orderstate.h>
#include <typekit/order/spreadlegsorderinfo.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/variantrecordlist.h>

#include <QtCore/QDateTime>
#include <QtCore/QStringList>

namespace Sample {

namespace {

enum OrderField {
    SymbolOf,
    Account,
    Timestamp,
    Action,
    BracketCategory,
    State,
    StateText,
    Expiry,
    LimitPrice,
    StopPrice,
    Type,
    GoodTillDate,
    Category,
    Quantity,
    Filled,
    ExitStrategyTemplate,
    AveragePrice,
    EventSource,
    EventReason,
    StopLimitPlus,
    OrderSpreadLegs,
    Id,
    ZelTag,
    Flags
};

enum SymbolField {
    Name,
    BrokerName,
    NameWithoutExchange,
    SymbolCategory,
    UserDefinedMinMovement,
    UserDefinedMinMovement2,
    UserDefinedPriceScale,
    UserDefinedBigPointValue,
    BrokerProvidedMinMovement,
    BrokerProvidedPriceScale,
    BrokerProvidedMinMovement2,
    BrokerProvidedBigPointValue,
    LotSize,
    IsResolved,
    SymbolSpreadLegs,
    BasketLegMultiplier,
    PriceMultiplier,
    Aliases
};

Field *field(const char *id, const char *name, int valueType)
{
    return new Field(QString::fromLatin1(id), QString::fromLatin1(name), valueType);
}

enum PositionField { PositionQuantity, Return, PullBack, ReturnBase };

Trade::FieldSet fieldSet(const QVector<Field *> &fields)
{
    Trade::FieldSet set;
    for (Field *member : fields)
        set << member;
    return set;
}

// Registered here so that records loaded through the sample host find their fields.
const int s_fieldConverterId = qRegisterMetaType<FieldConverter>("Trade::IField*Converter");

} // namespace

Field::Field(const QString &id, const QString &name, int valueType) : m_id(id), m_name(name), m_valueType(valueType)
{
}

Field::Field(const QString &id, const QString &name, const QByteArray &valueTypeName)
    : m_id(id), m_name(name), m_valueTypeName(valueTypeName), m_valueType(0)
{
}

int Field::valueType() const
{
    if (m_valueTypeName.isEmpty()) // given by its id
        return m_valueType.load(std::memory_order_relaxed);
    int type = m_valueType.load(std::memory_order_relaxed);
    if (type == 0) {
        type = QMetaType::fromName(m_valueTypeName).id();
        m_valueType.store(type, std::memory_order_relaxed);
    }
    return type;
}

OrderTopic::OrderTopic()
    : m_fields{field("Order.Symbol", "Symbol", qMetaTypeId<Trade::ISymbol *>()),
               field("Order.Account", "Account", qMetaTypeId<Trade::IAccount *>()),
               field("Order.Timestamp", "Timestamp", QMetaType::QDateTime),
               field("Order.Action", "Action", qMetaTypeId<Trade::OrderAction>()),
               field("Order.BracketCategory", "Bracket", qMetaTypeId<Trade::BracketCategory>()),
               field("Order.State", "State", qMetaTypeId<Trade::OrderState>()),
               field("Order.StateText", "State Text", QMetaType::QString),
               field("Order.Expiry", "Duration", qMetaTypeId<Trade::OrderExpiry>()),
               field("Order.LimitPrice", "Limit Price", qMetaTypeId<Trade::Price>()),
               field("Order.StopPrice", "Stop Price", qMetaTypeId<Trade::Price>()),
               field("Order.Type", "Type", QMetaType::QString),
               field("Order.GoodTillDate", "Good Till Date", QMetaType::QDate),
               field("Order.Category", "Kind", qMetaTypeId<Trade::OrderCategory>()),
               field("Order.Quantity", "Quantity", qMetaTypeId<Trade::Quantity>()),
               field("Order.Filled", "Filled", qMetaTypeId<Trade::Quantity>()),
               field("Order.ExitStrategyTemplate", "Exit Strategy", qMetaTypeId<Trade::IExitStrategyTemplate *>()),
               field("Order.AveragePrice", "Average Price", qMetaTypeId<Trade::Price>()),
               field("Order.EventSource", "Event Source", qMetaTypeId<Trade::EventSource>()),
               field("Order.EventReason", "Event Reason", qMetaTypeId<Trade::EventReason>()),
               field("Order.StopLimitPlus", "Stop Limit Plus", QMetaType::Int),
               field("Order.SpreadLegs", "Spread Legs", qMetaTypeId<Trade::SpreadLegsOrderInfo>()),
               field("Order.Id", "Order Id", QMetaType::QString),
               field("Order.ZelTag", "Tag", QMetaType::QString),
               field("Order.Flags", "Flags", qMetaTypeId<Trade::OrderFlags>())}
{
}

OrderTopic::~OrderTopic()
{
    qDeleteAll(m_fields);
}

Trade::IField *OrderTopic::symbolField() const
{
    return m_fields.at(SymbolOf);
}
Trade::IField *OrderTopic::accountField() const
{
    return m_fields.at(Account);
}
Trade::IField *OrderTopic::timestampField() const
{
    return m_fields.at(Timestamp);
}
Trade::IField *OrderTopic::actionField() const
{
    return m_fields.at(Action);
}
Trade::IField *OrderTopic::bracketCategoryField() const
{
    return m_fields.at(BracketCategory);
}
Trade::IField *OrderTopic::stateField() const
{
    return m_fields.at(State);
}
Trade::IField *OrderTopic::stateTextField() const
{
    return m_fields.at(StateText);
}
Trade::IField *OrderTopic::expiryField() const
{
    return m_fields.at(Expiry);
}
Trade::IField *OrderTopic::limitPriceField() const
{
    return m_fields.at(LimitPrice);
}
Trade::IField *OrderTopic::stopPriceField() const
{
    return m_fields.at(StopPrice);
}
Trade::IField *OrderTopic::typeField() const
{
    return m_fields.at(Type);
}
Trade::IField *OrderTopic::gtdField() const
{
    return m_fields.at(GoodTillDate);
}
Trade::IField *OrderTopic::categoryField() const
{
    return m_fields.at(Category);
}
Trade::IField *OrderTopic::quantityField() const
{
    return m_fields.at(Quantity);
}
Trade::IField *OrderTopic::filledField() const
{
    return m_fields.at(Filled);
}
Trade::IField *OrderTopic::exitStrategyTemplateField() const
{
    return m_fields.at(ExitStrategyTemplate);
}
Trade::IField *OrderTopic::averagePriceField() const
{
    return m_fields.at(AveragePrice);
}
Trade::IField *OrderTopic::eventSourceField() const
{
    return m_fields.at(EventSource);
}
Trade::IField *OrderTopic::eventReasonField() const
{
    return m_fields.at(EventReason);
}
Trade::IField *OrderTopic::stopLimitPlusField() const
{
    return m_fields.at(StopLimitPlus);
}
Trade::IField *OrderTopic::spreadLegsField() const
{
    return m_fields.at(OrderSpreadLegs);
}
Trade::IField *OrderTopic::idField() const
{
    return m_fields.at(Id);
}
Trade::IField *OrderTopic::zelTagField() const
{
    return m_fields.at(ZelTag);
}
Trade::IField *OrderTopic::flagsField() const
{
    return m_fields.at(Flags);
}

Trade::FieldSet OrderTopic::fields() const
{
    return fieldSet(m_fields);
}

SymbolTopic::SymbolTopic()
    : m_fields{field("Symbol.Name", "Name", QMetaType::QString),
               field("Symbol.BrokerName", "Broker Name", QMetaType::QString),
               field("Symbol.NameWithoutExchange", "Name Without Exchange", QMetaType::QString),
               field("Symbol.Category", "Category", qMetaTypeId<Trade::SymbolCategory>()),
               field("Symbol.UserDefinedMinMovement", "Min Movement", QMetaType::Int),
               field("Symbol.UserDefinedMinMovement2", "Min Movement 2", QMetaType::Int),
               field("Symbol.UserDefinedPriceScale", "Price Scale", QMetaType::Int),
               field("Symbol.UserDefinedBigPointValue", "Point Value", QMetaType::Double),
               field("Symbol.BrokerProvidedMinMovement", "Broker Min Movement", QMetaType::Int),
               field("Symbol.BrokerProvidedPriceScale", "Broker Price Scale", QMetaType::Int),
               field("Symbol.BrokerProvidedMinMovement2", "Broker Min Movement 2", QMetaType::Int),
               field("Symbol.BrokerProvidedBigPointValue", "Broker Point Value", QMetaType::Double),
               field("Symbol.LotSize", "Lot Size", QMetaType::Int),
               field("Symbol.IsResolved", "Resolved", QMetaType::Bool),
               field("Symbol.SpreadLegs", "Spread Legs", qMetaTypeId<Trade::VariantRecordList>()),
               field("Symbol.BasketLegMultiplier", "Basket Leg Multiplier", QMetaType::Double),
               field("Symbol.PriceMultiplier", "Price Multiplier", QMetaType::Double),
               field("Symbol.Aliases", "Aliases", QMetaType::QStringList)}
{
}

SymbolTopic::~SymbolTopic()
{
    qDeleteAll(m_fields);
}

Trade::IField *SymbolTopic::nameField() const
{
    return m_fields.at(Name);
}
Trade::IField *SymbolTopic::brokerNameField() const
{
    return m_fields.at(BrokerName);
}
Trade::IField *SymbolTopic::symbolNameWithoutExchangeField() const
{
    return m_fields.at(NameWithoutExchange);
}
Trade::IField *SymbolTopic::categoryField() const
{
    return m_fields.at(SymbolCategory);
}
Trade::IField *SymbolTopic::userDefinedMinMovementField() const
{
    return m_fields.at(UserDefinedMinMovement);
}
Trade::IField *SymbolTopic::userDefinedMinMovement2Field() const
{
    return m_fields.at(UserDefinedMinMovement2);
}
Trade::IField *SymbolTopic::userDefinedPriceScaleField() const
{
    return m_fields.at(UserDefinedPriceScale);
}
Trade::IField *SymbolTopic::userDefinedBigPointValueField() const
{
    return m_fields.at(UserDefinedBigPointValue);
}
Trade::IField *SymbolTopic::brokerProvidedMinMovementField() const
{
    return m_fields.at(BrokerProvidedMinMovement);
}
Trade::IField *SymbolTopic::brokerProvidedPriceScaleField() const
{
    return m_fields.at(BrokerProvidedPriceScale);
}
Trade::IField *SymbolTopic::brokerProvidedMinMovement2Field() const
{
    return m_fields.at(BrokerProvidedMinMovement2);
}
Trade::IField *SymbolTopic::brokerProvidedBigPointValueField() const
{
    return m_fields.at(BrokerProvidedBigPointValue);
}
Trade::IField *SymbolTopic::lotSizeField() const
{
    return m_fields.at(LotSize);
}
Trade::IField *SymbolTopic::isResolvedField() const
{
    return m_fields.at(IsResolved);
}
Trade::IField *SymbolTopic::spreadLegsField() const
{
    return m_fields.at(SymbolSpreadLegs);
}
Trade::IField *SymbolTopic::basketLegMultiplierField() const
{
    return m_fields.at(BasketLegMultiplier);
}
Trade::IField *SymbolTopic::priceMultiplierField() const
{
    return m_fields.at(PriceMultiplier);
}
Trade::IField *SymbolTopic::aliasesField() const
{
    return m_fields.at(Aliases);
}

Trade::FieldSet SymbolTopic::fields() const
{
    return fieldSet(m_fields);
}

PositionTopic::PositionTopic()
    : m_fields{field("Position.Quantity", "Quantity", qMetaTypeId<Trade::Quantity>()),
               field("Position.Return", "Open P/L", qMetaTypeId<Trade::Profit>()),
               field("Position.PullBack", "Pull Back", QMetaType::LongLong),
               field("Position.ReturnBase", "Invested", qMetaTypeId<Trade::Profit>())}
{
}

PositionTopic::~PositionTopic()
{
    qDeleteAll(m_fields);
}

Trade::IField *PositionTopic::quantityField() const
{
    return m_fields.at(PositionQuantity);
}
Trade::IField *PositionTopic::returnField() const
{
    return m_fields.at(Return);
}
Trade::IField *PositionTopic::pullBackField() const
{
    return m_fields.at(PullBack);
}
Trade::IField *PositionTopic::returnBaseField() const
{
    return m_fields.at(ReturnBase);
}

Trade::FieldSet PositionTopic::fields() const
{
    return fieldSet(m_fields);
}

StandardTopics::StandardTopics()
    : m_order(std::make_unique<OrderTopic>()), m_symbol(std::make_unique<SymbolTopic>()),
      m_position(std::make_unique<PositionTopic>())
{
    setInstance(this);
}

StandardTopics::~StandardTopics()
{
    if (s_instance == this)
        setInstance(nullptr);
}

Trade::IField *FieldKeys::find(const QString &id, const Trade::Variant &)
{
    if (id.isEmpty())
        return nullptr;
    if (Trade::IField *field = Trade::IStandardTopics::allFields().fieldById(id))
        return field;
    const auto *sample = dynamic_cast<const StandardTopics *>(Trade::IStandardTopics::installed());
    return sample ? sample->position().fields().fieldById(id) : nullptr;
}

} // namespace Sample
