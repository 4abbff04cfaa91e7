#include "positionstorage.h"

#include <typekit/position/positionstoragefilter.h>

namespace Sample {

PositionStorage::PositionStorage(QObject *parent) : Storage(parent)
{
}

Trade::Container<Trade::IPosition *> PositionStorage::positions() const
{
    Trade::Container<Trade::IPosition *> held;
    for (Trade::IRecord *record : records()) {
        if (auto *position = dynamic_cast<Position *>(record))
            held.append(position);
    }
    return held;
}

bool PositionStorage::accepts(const Record *record, const Trade::StorageFilter &filter) const
{
    const auto *position = dynamic_cast<const Position *>(record);
    if (!position)
        return false;
    if (filter.hasSymbol() && position->symbol() != filter.symbol())
        return false;
    if (filter.hasAccounts() && !filter.accounts().contains(position->account()))
        return false;
    if (filter.hasSide()) {
        // A flat position, or one without a quantity, is on neither side.
        const Trade::Quantity quantity = position->quantity();
        if (!quantity.hasValue() || !(filter.side().isLong() ? quantity.isPositive() : quantity.isNegative()))
            return false;
    }
    const auto *positionFilter = dynamic_cast<const Trade::PositionStorageFilter *>(&filter);
    return !positionFilter || !positionFilter->hasCanClose() || position->canClose() == positionFilter->canClose();
}

} // namespace Sample
