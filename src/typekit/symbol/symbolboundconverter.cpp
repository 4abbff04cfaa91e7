#include "symbolboundconverter.h"

#include <typekit/symbol/isymbol.h>

namespace Trade {

bool SymbolBoundConverter::rebasesOn(const Variant &context) const
{
    return context.heldOr<ISymbol *>(nullptr) != nullptr;
}

ISymbol *SymbolBoundConverter::savedSymbol(const Dump::Struct &saved, const Variant &context)
{
    if (ISymbol *symbol = Variant::load(saved.member(QStringLiteral("symbol")), context).heldOr<ISymbol *>(nullptr))
        return symbol;
    const Dump none(Dump::Atom(QString::fromLatin1(QMetaType::fromType<ISymbol *>().name()), QString()));
    return Variant::load(none, context).heldOr<ISymbol *>(nullptr);
}

} // namespace Trade
