/// \struct Trade::SymbolStorageErrorInfo
/// What a symbol storage answers when it rejects a symbol: what is wrong with the symbol's
/// figures, and whether its names clash with a symbol already stored.
#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QString>

namespace Trade {

struct TYPEKIT_EXPORT SymbolStorageErrorInfo
{
    enum SymbolError : qint32 {
        NoSymbolError = 0,
        EmptyBrokerName = 1,
        EmptySymbolName = 2,
        BadSymbolCategory = 3,
        BadPriceScaleOrMinMovement = 4,
        BadPointValue = 5,
        BadLotSize = 6,
        BadPriceMultiplier = 7
    };
    enum StorageError : qint32 { NoStorageError = 0, DuplicateName = 1, DuplicateDisplayName = 2 };

    SymbolStorageErrorInfo() = default;
    SymbolStorageErrorInfo(SymbolError symbol, StorageError storage) : symbolError(symbol), storageError(storage) {}
    SymbolStorageErrorInfo &operator=(const SymbolStorageErrorInfo &other) = default;

    /// Neither error.
    bool isOk() const { return symbolError == NoSymbolError && storageError == NoStorageError; }
    /// No name clash (the symbol's own figures may still be wrong).
    bool noDuplicateErrors() const { return storageError != DuplicateName && storageError != DuplicateDisplayName; }
    /// "SymbolStorageErrorInfo: symbolError: badLotSize, storageErrror: duplicateName." (spelled
    /// so on purpose: tools that read the host's logs match this text); unknown numbers read "none".
    QString format() const;

    SymbolError symbolError = NoSymbolError;
    StorageError storageError = NoStorageError;

private:
    QString formatSymbolError() const;
    QString formatStorageError() const;
};

} // namespace Trade
