// Whether a storage still holds a record, for observers that hear of a record after others may
// have taken it out again.
#pragma once

#include <typekit/storage/istorage.h>

namespace Trade {

// Looked for from the end, where storages add: an append is found at once.
inline bool storageHolds(IStorage *storage, IRecord *record)
{
    const Enumerable<IRecord *> &records = storage->records();
    for (int i = records.size(); i-- > 0;) {
        if (records.value(i) == record)
            return true;
    }
    return false;
}

} // namespace Trade
