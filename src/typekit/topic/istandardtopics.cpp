#include "istandardtopics.h"

#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

namespace {
constexpr QStringView unit = u"topic/istandardtopics";
} // namespace

IStandardTopics *IStandardTopics::s_instance = nullptr;

IStandardTopics::~IStandardTopics() = default;

IStandardTopics *IStandardTopics::instance()
{
    TRADE_ASSERT(s_instance != 0, u"Trade::IStandardTopics::instance", unit, nullptr);
    return s_instance;
}

void IStandardTopics::setInstance(IStandardTopics *value)
{
    TRADE_ASSERT((s_instance != 0) != (value != 0), u"Trade::IStandardTopics::setInstance", unit, nullptr);
    s_instance = value;
}

FieldSet IStandardTopics::allFields()
{
    FieldSet fields;
    const IStandardTopics *topics = instance();
    if (!topics)
        return fields;
    if (const IOrderTopic *order = topics->orderTopic()) {
        fields << order->symbolField() << order->accountField() << order->timestampField() << order->actionField()
               << order->bracketCategoryField() << order->stateField() << order->stateTextField()
               << order->expiryField() << order->limitPriceField() << order->stopPriceField() << order->typeField()
               << order->gtdField() << order->categoryField() << order->quantityField() << order->filledField()
               << order->exitStrategyTemplateField() << order->averagePriceField() << order->eventSourceField()
               << order->eventReasonField() << order->stopLimitPlusField() << order->spreadLegsField()
               << order->idField() << order->zelTagField() << order->flagsField();
    }
    if (const ISymbolTopic *symbol = topics->symbolTopic()) {
        fields << symbol->nameField() << symbol->brokerNameField() << symbol->symbolNameWithoutExchangeField()
               << symbol->categoryField() << symbol->userDefinedMinMovementField()
               << symbol->userDefinedMinMovement2Field() << symbol->userDefinedPriceScaleField()
               << symbol->userDefinedBigPointValueField() << symbol->brokerProvidedMinMovementField()
               << symbol->brokerProvidedPriceScaleField() << symbol->brokerProvidedMinMovement2Field()
               << symbol->brokerProvidedBigPointValueField() << symbol->lotSizeField() << symbol->isResolvedField()
               << symbol->spreadLegsField() << symbol->basketLegMultiplierField() << symbol->priceMultiplierField()
               << symbol->aliasesField();
    }
    fields -= static_cast<IField *>(nullptr);
    return fields;
}

} // namespace Trade
