#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/ifield.h>

namespace Trade {

/// The host's order topic: the field of every order attribute. A topic hands out the same field
/// object on every call, so that records find their values again. The value type stored under
/// each field is given beside it.
class TYPEKIT_EXPORT IOrderTopic
{
public:
    virtual IField *symbolField() const = 0;               // Trade::ISymbol*
    virtual IField *accountField() const = 0;              // Trade::IAccount*
    virtual IField *timestampField() const = 0;            // QDateTime
    virtual IField *actionField() const = 0;               // Trade::OrderAction
    virtual IField *bracketCategoryField() const = 0;      // Trade::BracketCategory
    virtual IField *stateField() const = 0;                // Trade::OrderState
    virtual IField *stateTextField() const = 0;            // QString
    virtual IField *expiryField() const = 0;               // Trade::OrderExpiry
    virtual IField *limitPriceField() const = 0;           // Trade::Price
    virtual IField *stopPriceField() const = 0;            // Trade::Price
    virtual IField *typeField() const = 0;                 // QString
    virtual IField *gtdField() const = 0;                  // QDate
    virtual IField *categoryField() const = 0;             // Trade::OrderCategory
    virtual IField *quantityField() const = 0;             // Trade::Quantity
    virtual IField *filledField() const = 0;               // Trade::Quantity
    virtual IField *exitStrategyTemplateField() const = 0; // Trade::IExitStrategyTemplate*
    virtual IField *averagePriceField() const = 0;         // Trade::Price
    virtual IField *eventSourceField() const = 0;          // Trade::EventSource
    virtual IField *eventReasonField() const = 0;          // Trade::EventReason
    virtual IField *stopLimitPlusField() const = 0;        // int
    virtual IField *spreadLegsField() const = 0;           // Trade::SpreadLegsOrderInfo
    virtual IField *idField() const = 0;                   // QString
    virtual IField *zelTagField() const = 0;               // QString
    virtual IField *flagsField() const = 0;                // Trade::OrderFlags
    virtual ~IOrderTopic();
};

} // namespace Trade
