#include "tradelogrecord.h"

namespace Sample {

namespace {

QString keyOf(const TradeLogEntry &entry)
{
    if (!entry.tradeId.isEmpty())
        return entry.tradeId;
    return entry.orderId + QLatin1Char('@') + entry.loggedAt.toString(Qt::ISODateWithMs);
}

} // namespace

TradeLogRecord::TradeLogRecord(const TradeLogEntry &entry, QObject *parent)
    : Record(keyOf(entry), Trade::FieldSet(), Trade::VariantRecord(), parent), m_entry(entry)
{
}

TradeLogRecord::~TradeLogRecord() = default;

} // namespace Sample
