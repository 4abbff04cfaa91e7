#include "ipositionstorage.h"

#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/rational.h>

namespace Trade {

namespace {

// The entries and topic of a position that holds a non-zero quantity; null entries otherwise.
struct OpenPosition
{
    const VariantRecord *entries = nullptr;
    const IPositionTopic *topic = nullptr;

    explicit OpenPosition(const IPosition *position)
    {
        const IRecord *record = position ? position->record() : nullptr;
        const IPositionTopic *positionTopic = position ? position->topic() : nullptr;
        if (!record || !positionTopic)
            return;
        const VariantRecord &held = record->variantRecord();
        const Quantity quantity = held.heldOr(positionTopic->quantityField(), Quantity());
        if (!quantity.hasValue() || !quantity.isNonZero())
            return;
        entries = &held;
        topic = positionTopic;
    }
    explicit operator bool() const { return entries != nullptr; }
};

} // namespace

IPositionStorage::~IPositionStorage() = default;

Common::Nullable<double> IPositionStorage::percentOfReturnTotal(const Container<IPosition *> &positions)
{
    Rational total;
    const int count = positions.size();
    for (int i = 0; i < count; ++i) {
        const OpenPosition open(positions.value(i));
        if (!open)
            continue;
        const Profit gained = open.entries->heldOr(open.topic->returnField(), Profit());
        if (!gained.isValid())
            continue;
        const Profit base = open.entries->heldOr(open.topic->returnBaseField(), Profit());
        total.addNumerator(gained.money());
        // A base without a value is no money: 0, without the report that asking it would make.
        total.addDenominator(base.hasValue() ? base.money() : 0.0);
    }
    return total.valueAsPercentage();
}

Common::Nullable<double> IPositionStorage::pullBackPercentageTotal(const Container<IPosition *> &positions)
{
    Rational total;
    const int count = positions.size();
    for (int i = 0; i < count; ++i) {
        IPosition *position = positions.value(i);
        const OpenPosition open(position);
        if (!open)
            continue;
        IField *pullBackField = open.topic->pullBackField();
        if (!open.entries->hasValue(pullBackField))
            continue;
        const Price price = position->price();
        if (!price.isValid())
            continue;
        total.addNumerator(double(open.entries->rawValue(pullBackField).toLongLong()));
        total.addDenominator(double(price.ticks()));
    }
    return total.valueAsPercentage();
}

Container<IPosition *> IPositionStorage::selectBasketPositions(const Container<IPosition *> &positions)
{
    Container<IPosition *> baskets;
    const int count = positions.size();
    for (int i = 0; i < count; ++i) {
        IPosition *position = positions.value(i);
        const ISymbol *symbol = position ? position->symbol() : nullptr;
        const ISymbolTopic *topic = symbol ? symbol->symbolTopic() : nullptr;
        if (!topic || !symbol->hasValue(topic->categoryField()))
            continue;
        if (symbol->category() == Symbology::symbolTypeUserDefinedSpread)
            baskets.append(position);
    }
    return baskets;
}

} // namespace Trade
