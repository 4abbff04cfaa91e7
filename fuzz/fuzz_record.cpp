// Records and record lists as saved: fields found again through the host, values of any type.
// A loaded record is also put on each context symbol, as a host does with a record it reads.
#include "fuzzhost.h"

#include <typekit/variantrecordlist.h>

namespace {

void rebase(const Trade::VariantRecord &record, const Trade::Variant &context)
{
    const Trade::VariantRecord converted = record.convert(context);
    Fuzz::require(converted.size() == record.size(), "a converted record keeps its fields", record.dump());
    (void)record.validValues();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::checkLoaders(Fuzz::dumpOf(data, size), {"Trade::VariantRecord", "Trade::VariantRecordList"},
                       [](const Trade::Variant &loaded, const Trade::Variant &context) {
                           if (loaded.is<Trade::VariantRecord>())
                               rebase(loaded.strongValue<Trade::VariantRecord>(), context);
                           for (const Trade::VariantRecord &record : loaded.heldOr(Trade::VariantRecordList()))
                               rebase(record, context);
                       });
    return 0;
}
