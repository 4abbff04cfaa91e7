#include "istorage.h"

namespace Trade {

IStorage::~IStorage() = default;

bool IStorage::passesFilter(IRecord *record, const StorageFilter &filter) const
{
    for (IRecord *selected : select(filter)) {
        if (selected == record)
            return true;
    }
    return false;
}

} // namespace Trade
