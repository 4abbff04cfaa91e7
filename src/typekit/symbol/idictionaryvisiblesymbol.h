// A symbol object of the host that carries its own record over the symbol topic.
#pragma once

#include <typekit/topic/isymboltopic.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/variantrecord.h>

namespace Trade {

class TYPEKIT_EXPORT IDictionaryVisibleSymbol
{
public:
    // The topic whose fields the symbol's record uses.
    virtual ISymbolTopic *symbolTopic() const = 0;
    // Whether the symbol's record holds a value for a field of that topic.
    virtual bool hasValue(IField *field) const = 0;
    // The symbol's record.
    virtual VariantRecord symbolRecord() const = 0;
    virtual ~IDictionaryVisibleSymbol();
};

} // namespace Trade
