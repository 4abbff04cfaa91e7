#pragma once

#include <samplehost/record.h>
#include <samplehost/samplehost_export.h>

#include <typekit/log/itradelogrecord.h>

namespace Sample {

/// What one trade log record answers: the values of its log and trade interfaces.
struct SAMPLEHOST_EXPORT TradeLogEntry
{
    QString message;
    Trade::IBrokerConnection *connection = nullptr;
    QString tradeId;
    QString orderId;
    QDateTime executionTime;
    Trade::IAccount *account = nullptr;
    Trade::ISymbol *symbol = nullptr;
    Trade::OrderAction action;
    Trade::Quantity quantity;
    Trade::Price price;
    Trade::Profit commission;
    Trade::Profit realizedProfit;
    QDateTime loggedAt;
    Trade::LogCategory logCategory;
    Trade::EventSource eventSource;
    Trade::EventReason eventReason;
    Trade::OrderState orderState;
    Trade::OrderCategory orderCategory;
    Trade::OrderExpiry orderExpiry;
    Trade::Price limitPrice;
    Trade::Price stopPrice;
    Trade::Quantity filledQuantity;
};

/// A trade log entry of the sample host, which is also an entry of its trade history: it answers
/// every question of Trade::ILogRecord, Trade::IConnectionRecord, Trade::ITradeRecord and
/// Trade::ITradeLogRecord from the values it was made with.
///
///     Sample::TradeLogEntry fill;
///     fill.tradeId = QStringLiteral("X-77");
///     fill.orderId = QStringLiteral("A-1001");
///     fill.action = Trade::OrderAction::Buy;
///     fill.quantity = Trade::Quantity::fromLots(1, &es);
///     ...
///     log.add(std::make_unique<Sample::TradeLogRecord>(fill));  // any Sample::Storage
///
/// The sample host has no log topic: the values are the entry's own, and its variant record is
/// empty. The key is the trade id, or, for an entry without execution, the order id and the time
/// it was logged.
class SAMPLEHOST_EXPORT TradeLogRecord : public Record, public virtual Trade::ITradeLogRecord
{
    Q_OBJECT

public:
    explicit TradeLogRecord(const TradeLogEntry &entry, QObject *parent = nullptr);
    ~TradeLogRecord() override;

    const TradeLogEntry &entry() const { return m_entry; }

    QString message() const override { return m_entry.message; }
    Trade::IBrokerConnection *connection() const override { return m_entry.connection; }
    QString tradeId() const override { return m_entry.tradeId; }
    QString orderId() const override { return m_entry.orderId; }
    QDateTime executionTime() const override { return m_entry.executionTime; }
    Trade::IAccount *account() const override { return m_entry.account; }
    Trade::ISymbol *symbol() const override { return m_entry.symbol; }
    Trade::OrderAction action() const override { return m_entry.action; }
    Trade::Quantity quantity() const override { return m_entry.quantity; }
    Trade::Price price() const override { return m_entry.price; }
    Trade::Profit commission() const override { return m_entry.commission; }
    Trade::Profit realizedProfit() const override { return m_entry.realizedProfit; }
    QDateTime loggedAt() const override { return m_entry.loggedAt; }
    Trade::LogCategory logCategory() const override { return m_entry.logCategory; }
    Trade::EventSource eventSource() const override { return m_entry.eventSource; }
    Trade::EventReason eventReason() const override { return m_entry.eventReason; }
    Trade::OrderState orderState() const override { return m_entry.orderState; }
    Trade::OrderCategory orderCategory() const override { return m_entry.orderCategory; }
    Trade::OrderExpiry orderExpiry() const override { return m_entry.orderExpiry; }
    Trade::Price limitPrice() const override { return m_entry.limitPrice; }
    Trade::Price stopPrice() const override { return m_entry.stopPrice; }
    Trade::Quantity filledQuantity() const override { return m_entry.filledQuantity; }

private:
    TradeLogEntry m_entry;
};

} // namespace Sample
