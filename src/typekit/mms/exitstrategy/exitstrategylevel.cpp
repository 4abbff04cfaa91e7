#include "exitstrategylevel.h"

#include <typekit/mms/savedlevels_p.h>

namespace Trade {

namespace {
constexpr QStringView unit = u"mms/exitstrategy/exitstrategylevel";
} // namespace

int ExitStrategyLevel::quantity() const
{
    TRADE_ASSERT(0 < m_quantity, u"Trade::ExitStrategyLevel::quantity", unit, this);
    return m_quantity;
}

int ExitStrategyLevel::stop() const
{
    TRADE_ASSERT(0 < m_stop, u"Trade::ExitStrategyLevel::stop", unit, this);
    return m_stop;
}

void ExitStrategyLevel::setProfit(int profit)
{
    TRADE_ASSERT(profit >= 0, u"Trade::ExitStrategyLevel::setProfit", unit, this);
    m_profit = profit;
}

bool ExitStrategyLevel::operator==(const ExitStrategyLevel &other) const
{
    return quantity() == other.quantity() && m_profit == other.m_profit && stop() == other.stop()
           && m_stopStrategy == other.m_stopStrategy;
}

Dump ExitStrategyLevelConverter::save(const Variant &value)
{
    const ExitStrategyLevel level = value.valueOr(ExitStrategyLevel());
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("quantity"), Variant(level.quantity()).save());
    saved.insert(QStringLiteral("profit"), Variant(level.profit()).save());
    saved.insert(QStringLiteral("stop"), Variant(level.stop()).save());
    saved.insert(QStringLiteral("stopStrategy"), Variant::fromValue(level.stopStrategy()).save());
    return Dump(saved);
}

Variant ExitStrategyLevelConverter::load(const Dump &dump, const Variant &)
{
    const Dump::Struct &saved = dump.asStruct();
    const int quantity = detail::savedInt(saved, QStringLiteral("quantity"));
    const int profit = detail::savedInt(saved, QStringLiteral("profit"));
    const int stop = detail::savedInt(saved, QStringLiteral("stop"));
    IStopStrategyTemplate *strategy =
        Variant::load(saved.member(QStringLiteral("stopStrategy")), Variant()).heldOr<IStopStrategyTemplate *>(nullptr);
    if (quantity >= 1 && profit >= 0 && stop >= 1)
        return Variant::fromValue(ExitStrategyLevel(quantity, profit, stop, strategy));
    return Variant();
}

Variant ExitStrategyLevelsConverter::fromVariant(const Variant &value, const Variant &)
{
    return value;
}

Variant ExitStrategyLevelsConverter::toVariant(const Variant &value)
{
    return value;
}

QString ExitStrategyLevelsConverter::toString(const Variant &)
{
    return QString();
}

Dump ExitStrategyLevelsConverter::save(const Variant &value)
{
    return detail::savedList<ExitStrategyLevels>(value);
}

Variant ExitStrategyLevelsConverter::load(const Dump &dump, const Variant &)
{
    return Variant::fromValue(detail::loadedList<ExitStrategyLevels, ExitStrategyLevel>(dump));
}

} // namespace Trade
