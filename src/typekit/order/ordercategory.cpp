#include "ordercategory.h"

namespace Trade {

dual_map<OrderCategory::Type, QString> OrderCategory::buildPersistentTexts()
{
    dual_map<Type, QString> texts;
    texts.insert(Market, QStringLiteral("Market"))
        .insert(Limit, QStringLiteral("Limit"))
        .insert(Stop, QStringLiteral("Stop"))
        .insert(StopLimit, QStringLiteral("StopLimit"))
        .insert(LimitAtAsk, QStringLiteral("Limit At Ask"))
        .insert(LimitAtBid, QStringLiteral("Limit At Bid"));
    return texts;
}

OrderCategory OrderCategory::reverseLimitBidAsk() const
{
    TRADE_ASSERT(isLimitAtBidOrAsk(), u"Trade::OrderCategory::reverseLimitBidAsk", u"order/ordercategory", this);
    return m_type == LimitAtBid ? LimitAtAsk : LimitAtBid;
}

} // namespace Trade
