#include "orderrecord.h"

#include <typekit/topic/istandardtopics.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"order/orderrecord";

IOrderTopic *standardOrderTopic()
{
    const IStandardTopics *topics = IStandardTopics::instance();
    return topics ? topics->orderTopic() : nullptr;
}

} // namespace

OrderRecord::OrderRecord()
{
    setTopic(standardOrderTopic());
}

OrderRecord::OrderRecord(const VariantRecord &record)
{
    setTopic(standardOrderTopic());
    fromRecord(record);
}

OrderRecord::OrderRecord(const OrderRecord &other) = default;

OrderRecord::~OrderRecord() = default;

void OrderRecord::init()
{
}

OrderRecord &OrderRecord::operator=(const OrderRecord &value)
{
    TRADE_ASSERT(topic() == value.topic(), u"Trade::OrderRecord::operator =", unit, this);
    fromRecord(value.record());
    return *this;
}

OrderRecord OrderRecord::merge(const VariantRecord &other) const
{
    return OrderRecord(record().merge(other));
}

OrderRecord OrderRecord::merge(const OrderRecord &other) const
{
    TRADE_ASSERT(topic() == other.topic(), u"Trade::OrderRecord::merge", unit, this);
    return merge(other.record());
}

OrderFlags OrderRecord::flags() const
{
    return record().heldOr(fieldOf(&IOrderTopic::flagsField), OrderFlags());
}

void OrderRecord::setFlag(const OrderFlags &flag)
{
    OrderFlags current = flags();
    current.setFlag(flag);
    setAttribute(&IOrderTopic::flagsField, current);
}

void OrderRecord::clearFlag(const OrderFlags &flag)
{
    OrderFlags current = flags();
    current.clearFlag(flag);
    setAttribute(&IOrderTopic::flagsField, current);
}

bool OrderRecord::isFlagSet(const OrderFlags &flag) const
{
    return flags().isFlagSet(flag);
}

void OrderRecord::setEmptyExitStrategyTemplate()
{
    if (IField *field = fieldOf(&IOrderTopic::exitStrategyTemplateField))
        setValue(field, Variant());
}

bool OrderRecord::hasEmptyExitStrategyTemplate() const
{
    IField *field = fieldOf(&IOrderTopic::exitStrategyTemplateField);
    return record().contains(field) && !record().rawValue(field).isValid();
}

} // namespace Trade
