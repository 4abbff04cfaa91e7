#include "idictionaryvisiblesymbol.h"

namespace Trade {

IDictionaryVisibleSymbol::~IDictionaryVisibleSymbol() = default;

Dump IDictionaryVisibleSymbol::dump() const
{
    Dump::Struct dumped(QStringLiteral("Trade::IDictionaryVisibleSymbol"));
    dumped.insert(QStringLiteral("record"), symbolRecord().dump());
    return Dump(dumped);
}

SymbolCategory IDictionaryVisibleSymbol::category() const
{
    const ISymbolTopic *topic = symbolTopic();
    IField *field = topic ? topic->categoryField() : nullptr;
    const VariantRecord record = symbolRecord();
    const SymbolCategory result = record.heldOr(field, SymbolCategory());
    if (result != Symbology::symbolTypeUndefined)
        return result;
    TRADE_ASSERT(result != Symbology::symbolTypeUndefined, u"Trade::IDictionaryVisibleSymbol::category",
                 u"symbol/idictionaryvisiblesymbol", this)
        << "invalid symbol category" << NamedValue(u"this", dump());
    return result;
}

} // namespace Trade
