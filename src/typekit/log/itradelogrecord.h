#pragma once

#include <typekit/eventsource.h>
#include <typekit/log/ilogrecord.h>
#include <typekit/log/logcategory.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderstate.h>
#include <typekit/position/itraderecord.h>
#include <typekit/typekit_export.h>

namespace Trade {

/// A trade log entry: what happened to an order at one moment (placed, changed, filled, rejected),
/// with the execution it reports, if any. See log/ilogrecord.h for the record interfaces of the
/// trade log and history.
class TYPEKIT_EXPORT ITradeLogRecord : public virtual ILogRecord, public virtual ITradeRecord
{
public:
    ITradeLogRecord() = default;
    ITradeLogRecord(const ITradeLogRecord &other) = default;
    ITradeLogRecord &operator=(const ITradeLogRecord &) { return *this; }

    /// When the host logged the event (the execution, if any, has its own time).
    virtual QDateTime loggedAt() const = 0;
    virtual LogCategory logCategory() const = 0;
    /// Who made the change (a window, a strategy, the broker) and why.
    virtual EventSource eventSource() const = 0;
    virtual EventReason eventReason() const = 0;
    /// The order as it stood after the event.
    virtual OrderState orderState() const = 0;
    virtual OrderCategory orderCategory() const = 0;
    virtual OrderExpiry orderExpiry() const = 0;
    virtual Price limitPrice() const = 0;
    virtual Price stopPrice() const = 0;
    /// The order's quantity filled so far, all executions together.
    virtual Quantity filledQuantity() const = 0;

protected:
    ~ITradeLogRecord() override;
};

} // namespace Trade
