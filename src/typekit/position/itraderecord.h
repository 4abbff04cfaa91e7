#pragma once

#include <typekit/connection/iconnectionrecord.h>
#include <typekit/iaccount.h>
#include <typekit/order/orderaction.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/typekit_export.h>

#include <QtCore/QDateTime>

namespace Trade {

/// An entry of the trade history: one execution of an order, as the broker reported it. See
/// log/ilogrecord.h for the record interfaces of the trade log and history.
class TYPEKIT_EXPORT ITradeRecord : public virtual IConnectionRecord
{
public:
    ITradeRecord() = default;
    ITradeRecord(const ITradeRecord &other) = default;
    ITradeRecord &operator=(const ITradeRecord &) { return *this; }

    /// The broker's identifier of the execution.
    virtual QString tradeId() const = 0;
    /// The identifier of the order that was executed.
    virtual QString orderId() const = 0;
    virtual QDateTime executionTime() const = 0;
    virtual IAccount *account() const = 0;
    virtual ISymbol *symbol() const = 0;
    /// Buy, sell, sell short or buy to cover.
    virtual OrderAction action() const = 0;
    /// The executed quantity (positive) and its price.
    virtual Quantity quantity() const = 0;
    virtual Price price() const = 0;
    /// What the broker charged for the execution.
    virtual Profit commission() const = 0;
    /// The profit or loss the execution realised by closing; no value when it opened.
    virtual Profit realizedProfit() const = 0;

protected:
    ~ITradeRecord() override;
};

} // namespace Trade
