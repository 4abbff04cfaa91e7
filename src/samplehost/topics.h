// The sample host's fields and topics: one stable field object per order and symbol attribute,
// and the standard topics, installed for as long as the object lives.
//
//     Sample::StandardTopics topics;
//     Trade::VariantRecord order;
//     order.setValue(topics.order().idField(), QStringLiteral("42"));
//
// Field identifiers read "Order.LimitPrice", "Symbol.LotSize" and so on. Saved records keep
// them: the sample host registers the converter of "Trade::IField*", which saves a field by its
// identifier and finds it again among the installed topics' fields.
#pragma once

#include <samplehost/samplehost_export.h>

#include <typekit/topic/ipositiontopic.h>
#include <typekit/topic/istandardtopics.h>

#include <samplehost/keyedconverter.h>

#include <QtCore/QByteArray>
#include <QtCore/QVector>

#include <atomic>
#include <memory>

namespace Sample {

/// A field descriptor of the sample topics: an identifier, a display name and the meta-type of
/// the values it holds.
class SAMPLEHOST_EXPORT Field final : public Trade::IField
{
public:
    Field(const QString &id, const QString &name, int valueType);
    /// A value type known by name, resolved when the type is first registered in the process.
    Field(const QString &id, const QString &name, const QByteArray &valueTypeName);

    const QString &id() const override { return m_id; }
    const QString &name() const override { return m_name; }
    int valueType() const override;

private:
    QString m_id;
    QString m_name;
    QByteArray m_valueTypeName;
    mutable std::atomic<int> m_valueType;
};

/// The order topic of the sample host: the standard order fields that the typed order views and
/// the order utilities read and write.
class SAMPLEHOST_EXPORT OrderTopic final : public Trade::IOrderTopic
{
public:
    OrderTopic();
    ~OrderTopic() override;

    Trade::IField *symbolField() const override;
    Trade::IField *accountField() const override;
    Trade::IField *timestampField() const override;
    Trade::IField *actionField() const override;
    Trade::IField *bracketCategoryField() const override;
    Trade::IField *stateField() const override;
    Trade::IField *stateTextField() const override;
    Trade::IField *expiryField() const override;
    Trade::IField *limitPriceField() const override;
    Trade::IField *stopPriceField() const override;
    Trade::IField *typeField() const override;
    Trade::IField *gtdField() const override;
    Trade::IField *categoryField() const override;
    Trade::IField *quantityField() const override;
    Trade::IField *filledField() const override;
    Trade::IField *exitStrategyTemplateField() const override;
    Trade::IField *averagePriceField() const override;
    Trade::IField *eventSourceField() const override;
    Trade::IField *eventReasonField() const override;
    Trade::IField *stopLimitPlusField() const override;
    Trade::IField *spreadLegsField() const override;
    Trade::IField *idField() const override;
    Trade::IField *zelTagField() const override;
    Trade::IField *flagsField() const override;

    /// Every field, in the order above.
    Trade::FieldSet fields() const;

private:
    QVector<Field *> m_fields;
};

/// The symbol topic of the sample host: the standard symbol fields that symbol records hold.
class SAMPLEHOST_EXPORT SymbolTopic final : public Trade::ISymbolTopic
{
public:
    SymbolTopic();
    ~SymbolTopic() override;

    Trade::IField *nameField() const override;
    Trade::IField *brokerNameField() const override;
    Trade::IField *symbolNameWithoutExchangeField() const override;
    Trade::IField *categoryField() const override;
    Trade::IField *userDefinedMinMovementField() const override;
    Trade::IField *userDefinedMinMovement2Field() const override;
    Trade::IField *userDefinedPriceScaleField() const override;
    Trade::IField *userDefinedBigPointValueField() const override;
    Trade::IField *brokerProvidedMinMovementField() const override;
    Trade::IField *brokerProvidedPriceScaleField() const override;
    Trade::IField *brokerProvidedMinMovement2Field() const override;
    Trade::IField *brokerProvidedBigPointValueField() const override;
    Trade::IField *lotSizeField() const override;
    Trade::IField *isResolvedField() const override;
    Trade::IField *spreadLegsField() const override;
    Trade::IField *basketLegMultiplierField() const override;
    Trade::IField *priceMultiplierField() const override;
    Trade::IField *aliasesField() const override;

    Trade::FieldSet fields() const;

private:
    QVector<Field *> m_fields;
};

/// The fields of the sample host's positions: "Position.Quantity", "Position.Return",
/// "Position.PullBack" (a qint64) and "Position.ReturnBase".
class SAMPLEHOST_EXPORT PositionTopic final : public Trade::IPositionTopic
{
public:
    PositionTopic();
    ~PositionTopic() override;

    Trade::IField *quantityField() const override;
    Trade::IField *returnField() const override;
    Trade::IField *pullBackField() const override;
    Trade::IField *returnBaseField() const override;

    Trade::FieldSet fields() const;

private:
    QVector<Field *> m_fields;
};

/// Installs itself as the host's standard topics; the destructor removes it again if it is still
/// the installed one.
class SAMPLEHOST_EXPORT StandardTopics final : public Trade::IStandardTopics
{
public:
    StandardTopics();
    ~StandardTopics() override;
    StandardTopics(const StandardTopics &) = delete;
    StandardTopics &operator=(const StandardTopics &) = delete;

    Trade::IOrderTopic *orderTopic() const override { return m_order.get(); }
    Trade::ISymbolTopic *symbolTopic() const override { return m_symbol.get(); }
    OrderTopic &order() const { return *m_order; }
    SymbolTopic &symbol() const { return *m_symbol; }
    /// Positions find their topic here (the library asks each position for its own).
    PositionTopic &position() const { return *m_position; }

private:
    std::unique_ptr<OrderTopic> m_order;
    std::unique_ptr<SymbolTopic> m_symbol;
    std::unique_ptr<PositionTopic> m_position;
};

/// The converter of "Trade::IField*": a field is saved as its identifier and loaded back as the
/// installed topics' field of that identifier, position fields included (none when no topic has
/// it).
struct SAMPLEHOST_EXPORT FieldKeys
{
    static QString keyOf(const Trade::IField *field) { return field->id(); }
    static Trade::IField *find(const QString &id, const Trade::Variant &context);
};
/// The registered converter of the sample host's fields: saved by key, loaded back as the live
/// object of that key (see the keys structure above).
class SAMPLEHOST_EXPORT FieldConverter : public KeyedPointerConverter<Trade::IField, FieldKeys>
{};

} // namespace Sample
