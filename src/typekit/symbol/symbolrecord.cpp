#include "symbolrecord.h"

#include <typekit/topic/istandardtopics.h>

namespace Trade {

namespace {
ISymbolTopic *standardSymbolTopic()
{
    const IStandardTopics *topics = IStandardTopics::instance();
    return topics ? topics->symbolTopic() : nullptr;
}
} // namespace

SymbolRecord::SymbolRecord()
{
    setTopic(standardSymbolTopic());
}

SymbolRecord::SymbolRecord(const VariantRecord &record)
{
    setTopic(standardSymbolTopic());
    fromRecord(record);
}

SymbolRecord::SymbolRecord(const SymbolRecord &other) = default;

SymbolRecord::~SymbolRecord() = default;

void SymbolRecord::init()
{
}

SymbolRecord &SymbolRecord::operator=(const SymbolRecord &value)
{
    TRADE_ASSERT(topic() == value.topic(), u"Trade::SymbolRecord::operator =", u"symbol/symbolrecord", this);
    fromRecord(value.record());
    return *this;
}

} // namespace Trade
