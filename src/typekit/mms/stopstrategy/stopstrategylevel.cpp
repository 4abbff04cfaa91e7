#include "stopstrategylevel.h"

#include <typekit/mms/savedlevels_p.h>

#include <QtCore/QSet>

namespace Trade {

namespace {
constexpr QStringView unit = u"mms/stopstrategy/stopstrategylevel";
} // namespace

int StopStrategyLevel::frequency() const
{
    TRADE_ASSERT(0 < m_frequency || m_type != typeTrailing, u"Trade::StopStrategyLevel::frequency", unit, this);
    return m_frequency;
}

int StopStrategyLevel::stop() const
{
    TRADE_ASSERT(0 < m_stop || m_type == typeBreakEven, u"Trade::StopStrategyLevel::stop", unit, this);
    return m_stop;
}

bool StopStrategyLevel::isValid() const
{
    switch (m_type) {
    case typeTrailing:
        return m_frequency > 0 && m_stop > 0;
    case typeBreakEven:
        return true;
    case typeStop:
        return m_stop > 0;
    }
    TRADE_ASSERT(false && "unexpected stop strategy level type", u"Trade::StopStrategyLevel::isValid", unit, this);
    return false;
}

bool StopStrategyLevel::operator==(const StopStrategyLevel &other) const
{
    return stop() == other.stop() && frequency() == other.frequency() && m_trigger == other.m_trigger
           && m_type == other.m_type;
}

bool StopStrategyLevel::operator<(const StopStrategyLevel &other) const
{
    return stop() < other.stop() || frequency() < other.frequency() || m_trigger < other.m_trigger
           || m_type < other.m_type;
}

StopStrategyLevels::~StopStrategyLevels() = default;

StopStrategyLevels &StopStrategyLevels::operator<<(const StopStrategyLevel &level)
{
    m_levels.append(level);
    return *this;
}

void StopStrategyLevels::removeAt(int i)
{
    if (i >= 0 && i < m_levels.count())
        m_levels.removeAt(i);
}

bool StopStrategyLevels::isDefault() const
{
    return std::none_of(m_levels.cbegin(), m_levels.cend(),
                        [](const StopStrategyLevel &level) { return level.isValid(); });
}

bool StopStrategyLevels::isValid() const
{
    QSet<int> triggers;
    for (const StopStrategyLevel &level : m_levels) {
        if (!level.isValid() || level.hasDefaultTrigger())
            continue;
        if (triggers.contains(level.trigger()))
            return false;
        triggers.insert(level.trigger());
    }
    return true;
}

Dump StopStrategyLevelConverter::save(const Variant &value)
{
    const StopStrategyLevel level = value.valueOr(StopStrategyLevel());
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("frequency"), Variant(level.frequency()).save());
    saved.insert(QStringLiteral("trigger"), Variant(level.trigger()).save());
    saved.insert(QStringLiteral("stop"), Variant(level.stop()).save());
    saved.insert(QStringLiteral("type"), Variant(int(level.type())).save());
    return Dump(saved);
}

Variant StopStrategyLevelConverter::load(const Dump &dump, const Variant &)
{
    const Dump::Struct &saved = dump.asStruct();
    const int type = detail::savedInt(saved, QStringLiteral("type"));
    if (type < StopStrategyLevel::typeTrailing || type > StopStrategyLevel::typeStop)
        return Variant(); // a file's unknown type: no level, and nothing to report
    const StopStrategyLevel level(detail::savedInt(saved, QStringLiteral("frequency")),
                                  detail::savedInt(saved, QStringLiteral("trigger")),
                                  detail::savedInt(saved, QStringLiteral("stop")), StopStrategyLevel::Type(type));
    return level.isValid() ? Variant::fromValue(level) : Variant();
}

Variant StopStrategyLevelsConverter::fromVariant(const Variant &value, const Variant &)
{
    return value;
}

Variant StopStrategyLevelsConverter::toVariant(const Variant &value)
{
    return value;
}

QString StopStrategyLevelsConverter::toString(const Variant &)
{
    return QString();
}

int StopStrategyLevelsConverter::compare(const Variant &left, const Variant &right) const
{
    TRADE_ASSERT(left.userType() == right.userType(), u"Trade::StopStrategyLevelsConverter::compare", unit, this);
    const StopStrategyLevels l = left.valueOr(StopStrategyLevels());
    const StopStrategyLevels r = right.valueOr(StopStrategyLevels());
    if (l.count() != r.count())
        return l.count() < r.count() ? -1 : 1;
    for (int i = 0; i < l.count(); ++i) {
        const StopStrategyLevel &a = l[i];
        const StopStrategyLevel &b = r[i];
        if (a.stop() != b.stop() || a.frequency() != b.frequency() || a.trigger() != b.trigger()
            || a.type() != b.type())
            return a < b ? -1 : 1;
    }
    return 0;
}

Dump StopStrategyLevelsConverter::save(const Variant &value)
{
    return detail::savedList<StopStrategyLevels>(value);
}

Variant StopStrategyLevelsConverter::load(const Dump &dump, const Variant &)
{
    return Variant::fromValue(detail::loadedList<StopStrategyLevels, StopStrategyLevel>(dump));
}

} // namespace Trade
