#pragma once

#include <typekit/record/recorddatabase.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/topic/isymboltopic.h>
#include <typekit/variantrecordlist.h>

#include <QtCore/QStringList>

class QDebug;

namespace Trade {

/// The typed view of one traded symbol's description: a record over the host's symbol topic with
/// the accessors of every symbol attribute. The figures mean nothing to the record itself.
class TYPEKIT_EXPORT SymbolRecord : public RecordDataBase<ISymbolTopic>
{
public:
    /// No entries, on the standard symbol topic.
    SymbolRecord();
    /// The entries of `record`, unfiltered, on the standard symbol topic.
    explicit SymbolRecord(const VariantRecord &record);
    SymbolRecord(const SymbolRecord &other);
    /// Takes the other's entries; the topic stays. Records of different topics are reported.
    SymbolRecord &operator=(const SymbolRecord &value);
    ~SymbolRecord() override;

    /// The record saved with toJson() or saveJsonFile(), on the standard topic. The context, the
    /// problems and the mode are those of Variant::fromJson: a variant holding the symbol the
    /// values belong to; what could not be loaded (malformed text, unknown fields, symbols,
    /// accounts and templates that are gone or were replaced), each with its saved form; and
    /// whether a problem gives no record at all (LoadMode::Strict) or the record keeps what loaded
    /// (a reference that did not load stays as an entry with no value).
    static SymbolRecord fromJson(const QString &json, const Variant &context = Variant(),
                                 QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient)
    {
        QVector<LoadProblem> met;
        const Variant loaded = Variant::fromJson(json, context, &met);
        return SymbolRecord(loadedRecord(loaded, met, problems, mode));
    }
    static SymbolRecord loadJsonFile(const QString &path, const Variant &context = Variant(),
                                     QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient)
    {
        QVector<LoadProblem> met;
        const Variant loaded = Variant::loadJsonFile(path, context, &met);
        return SymbolRecord(loadedRecord(loaded, met, problems, mode));
    }

    TRADE_RECORD_ATTRIBUTE(QString, name, Name, ISymbolTopic, nameField)
    TRADE_RECORD_ATTRIBUTE(QString, brokerName, BrokerName, ISymbolTopic, brokerNameField)
    TRADE_RECORD_ATTRIBUTE(QString, symbolNameWithoutExchange, SymbolNameWithoutExchange, ISymbolTopic,
                           symbolNameWithoutExchangeField)
    TRADE_RECORD_ATTRIBUTE(SymbolCategory, category, Category, ISymbolTopic, categoryField)
    TRADE_RECORD_ATTRIBUTE(int, userDefinedMinMovement, UserDefinedMinMovement, ISymbolTopic,
                           userDefinedMinMovementField)
    TRADE_RECORD_ATTRIBUTE(int, userDefinedMinMovement2, UserDefinedMinMovement2, ISymbolTopic,
                           userDefinedMinMovement2Field)
    TRADE_RECORD_ATTRIBUTE(int, userDefinedPriceScale, UserDefinedPriceScale, ISymbolTopic, userDefinedPriceScaleField)
    TRADE_RECORD_ATTRIBUTE(double, userDefinedBigPointValue, UserDefinedBigPointValue, ISymbolTopic,
                           userDefinedBigPointValueField)
    TRADE_RECORD_ATTRIBUTE(int, brokerProvidedMinMovement, BrokerProvidedMinMovement, ISymbolTopic,
                           brokerProvidedMinMovementField)
    TRADE_RECORD_ATTRIBUTE(int, brokerProvidedMinMovement2, BrokerProvidedMinMovement2, ISymbolTopic,
                           brokerProvidedMinMovement2Field)
    TRADE_RECORD_ATTRIBUTE(int, brokerProvidedPriceScale, BrokerProvidedPriceScale, ISymbolTopic,
                           brokerProvidedPriceScaleField)
    TRADE_RECORD_ATTRIBUTE(double, brokerProvidedBigPointValue, BrokerProvidedBigPointValue, ISymbolTopic,
                           brokerProvidedBigPointValueField)
    TRADE_RECORD_ATTRIBUTE(double, priceMultiplier, PriceMultiplier, ISymbolTopic, priceMultiplierField)
    TRADE_RECORD_ATTRIBUTE(double, basketLegMultiplier, BasketLegMultiplier, ISymbolTopic, basketLegMultiplierField)
    TRADE_RECORD_ATTRIBUTE(int, lotSize, LotSize, ISymbolTopic, lotSizeField)
    TRADE_RECORD_ATTRIBUTE(bool, isResolved, IsResolved, ISymbolTopic, isResolvedField)
    TRADE_RECORD_ATTRIBUTE(QStringList, aliases, Aliases, ISymbolTopic, aliasesField)
    TRADE_RECORD_ATTRIBUTE(VariantRecordList, spreadLegs, SpreadLegs, ISymbolTopic, spreadLegsField)

    /// Same entries; topics are not compared.
    bool operator==(const SymbolRecord &other) const { return record() == other.record(); }
    bool operator!=(const SymbolRecord &other) const { return !(*this == other); }

private:
    void init() override;
};

/// For logs and failing comparisons: Trade::SymbolRecord(Symbol.Name: "ESZ26", ...).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const SymbolRecord &symbol);

} // namespace Trade
