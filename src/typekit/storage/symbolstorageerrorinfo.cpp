#include "symbolstorageerrorinfo.h"

namespace Trade {

QString SymbolStorageErrorInfo::format() const
{
    static const QString pattern = QStringLiteral("SymbolStorageErrorInfo: symbolError: %1, storageErrror: %2.");
    return pattern.arg(formatSymbolError(), formatStorageError());
}

QString SymbolStorageErrorInfo::formatSymbolError() const
{
    switch (symbolError) {
    case EmptyBrokerName:
        return QStringLiteral("emptyBrokerName");
    case EmptySymbolName:
        return QStringLiteral("emptySymbolName");
    case BadSymbolCategory:
        return QStringLiteral("badSymbolCategory");
    case BadPriceScaleOrMinMovement:
        return QStringLiteral("badPriceScaleOrMinmovement");
    case BadPointValue:
        return QStringLiteral("badPointValue");
    case BadLotSize:
        return QStringLiteral("badLotSize");
    case BadPriceMultiplier:
        return QStringLiteral("badPriceMultiplier");
    default:
        return QStringLiteral("none");
    }
}

QString SymbolStorageErrorInfo::formatStorageError() const
{
    switch (storageError) {
    case DuplicateName:
        return QStringLiteral("duplicateName");
    case DuplicateDisplayName:
        return QStringLiteral("duplicateDisplayName");
    default:
        return QStringLiteral("none");
    }
}

} // namespace Trade
