#pragma once

#include <typekit/symbol/symbolcategory.h>
#include <typekit/topic/isymboltopic.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/variantrecord.h>

namespace Trade {

/// A symbol object of the host that carries its own record over the symbol topic.
class TYPEKIT_EXPORT IDictionaryVisibleSymbol
{
public:
    /// The topic whose fields the symbol's record uses.
    virtual ISymbolTopic *symbolTopic() const = 0;
    /// Whether the symbol's record holds a value for a field of that topic.
    virtual bool hasValue(IField *field) const = 0;
    /// The symbol's record.
    virtual VariantRecord symbolRecord() const = 0;
    virtual ~IDictionaryVisibleSymbol();

    /// The category stored in the symbol's record. A symbol without one reports, naming itself
    /// (its dump: the type name and its record), and is undefined.
    SymbolCategory category() const;

    /// The symbol's dump for reports: a struct of its type name with its record as "record".
    Dump dump() const;
};

} // namespace Trade
