#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/ifield.h>

namespace Trade {

/// The host's symbol topic: the field of every symbol attribute, handed out as the same object on
/// every call. The value type stored under each field is given beside it.
class TYPEKIT_EXPORT ISymbolTopic
{
public:
    virtual IField *nameField() const = 0;                        // QString
    virtual IField *brokerNameField() const = 0;                  // QString
    virtual IField *symbolNameWithoutExchangeField() const = 0;   // QString
    virtual IField *categoryField() const = 0;                    // Trade::SymbolCategory
    virtual IField *userDefinedMinMovementField() const = 0;      // int
    virtual IField *userDefinedMinMovement2Field() const = 0;     // int
    virtual IField *userDefinedPriceScaleField() const = 0;       // int
    virtual IField *userDefinedBigPointValueField() const = 0;    // double
    virtual IField *brokerProvidedMinMovementField() const = 0;   // int
    virtual IField *brokerProvidedPriceScaleField() const = 0;    // int
    virtual IField *brokerProvidedMinMovement2Field() const = 0;  // int
    virtual IField *brokerProvidedBigPointValueField() const = 0; // double
    virtual IField *lotSizeField() const = 0;                     // int
    virtual IField *isResolvedField() const = 0;                  // bool
    virtual IField *spreadLegsField() const = 0;                  // Trade::VariantRecordList
    virtual IField *basketLegMultiplierField() const = 0;         // double
    virtual IField *priceMultiplierField() const = 0;             // double
    virtual IField *aliasesField() const = 0;                     // QStringList
    virtual ~ISymbolTopic();
};

} // namespace Trade
