#pragma once

#include <samplehost/record.h>
#include <samplehost/samplehost_export.h>

#include <typekit/iaccount.h>
#include <typekit/position/iposition.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>

namespace Sample {

class StandardTopics;

/// A position of the sample host: one account's holding in one symbol, kept as a record over the
/// sample position topic (quantity, open profit, pull-back, invested money) in a position storage.
///
///     auto position = std::make_unique<Sample::Position>(&es, &account);
///     position->setQuantity(Trade::Quantity::fromLots(2, &es));      // long 2 lots
///     position->setReturn(Trade::Profit::fromMoney(150.0, &es), Trade::Profit::fromMoney(1000.0, &es));
///     positions.add(std::move(position));
///
/// A position can be closed, and reversed, while it holds a quantity and is not locked (the host
/// locks a position while an operation on it is under way). Its close order is a market order of
/// the opposite side for its quantity (sell, or buy to cover); its reverse order opens the
/// opposite side with the same quantity (sell short, or buy); a position that cannot be closed
/// gives empty orders. Orders need the installed order topic. Every setter is a change of the record: recordChanged, and the storage's Updated.
class SAMPLEHOST_EXPORT Position : public Record, public virtual Trade::IPosition
{
    Q_OBJECT

public:
    /// Keyed "account:symbol", over the installed sample position topic.
    Position(Trade::ISymbol *symbol, Trade::IAccount *account, QObject *parent = nullptr);
    ~Position() override;

    Trade::IRecord *record() const override;
    Trade::IPositionTopic *topic() const override { return m_topic; }
    Trade::ISymbol *symbol() const override { return m_symbol; }
    Trade::Price price() const override { return m_price; }
    bool canClose() const override;
    bool canReverse() const override { return canClose(); }
    Trade::OrderRecord closeOrder() const override;
    Trade::OrderRecord reverseOrder() const override;

    Trade::IAccount *account() const { return m_account; }
    /// Positive for long positions, negative for short ones; none when flat.
    Trade::Quantity quantity() const;

    void setQuantity(const Trade::Quantity &quantity);
    void setReturn(const Trade::Profit &openProfit, const Trade::Profit &invested);
    void setPullBack(qint64 ticks);
    /// The symbol's current price; not part of the record.
    void setPrice(const Trade::Price &price) { m_price = price; }
    void setLocked(bool locked) { m_locked = locked; }

private:
    Position(const StandardTopics *topics, Trade::ISymbol *symbol, Trade::IAccount *account, QObject *parent);
    Trade::OrderRecord marketOrder(bool closing) const;

    Trade::IPositionTopic *m_topic;
    Trade::ISymbol *m_symbol;
    Trade::IAccount *m_account;
    Trade::Price m_price;
    bool m_locked = false;
};

} // namespace Sample
