#pragma once

#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/typekit_export.h>

#include <QtCore/QList>
#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The levels of a stop strategy: each fires at a trigger and trails the stop, moves it to break
/// even, or sets it at a distance. Whole numbers in the host's units.
class TYPEKIT_EXPORT StopStrategyLevel
{
    Q_GADGET

public:
    enum Type : qint32 { typeTrailing = 0, typeBreakEven = 1, typeStop = 2 };
    Q_ENUM(Type)

    StopStrategyLevel() : m_frequency(0), m_trigger(0), m_stop(0), m_type(typeTrailing) {}
    StopStrategyLevel(int frequency, int trigger, int stop, Type type)
        : m_frequency(frequency), m_trigger(trigger), m_stop(stop), m_type(type)
    {
    }

    /// The trailing step; a trailing level without one is reported.
    int frequency() const;
    int trigger() const { return m_trigger; }
    bool hasDefaultTrigger() const { return m_trigger == 0; }
    /// The stop distance; a level that uses it without one is reported.
    int stop() const;
    Type type() const { return m_type; }

    void setFrequency(int frequency) { m_frequency = frequency; }
    void setTrigger(int trigger) { m_trigger = trigger; }
    void setStop(int stop) { m_stop = stop; }
    void setType(Type type) { m_type = type; }

    bool frequencyEnabled() const { return m_type == typeTrailing; }
    bool stopEnabled() const { return m_type != typeBreakEven; }
    /// Trailing: frequency and stop above 0; break even: always; stop: stop above 0. Any other
    /// type is reported and not valid.
    bool isValid() const;

    bool operator==(const StopStrategyLevel &other) const;
    bool operator!=(const StopStrategyLevel &other) const { return !(*this == other); }
    /// True when any of stop, frequency, trigger and type is smaller than the other's, tested in
    /// that order; a greater field does not end the test. This is not an ordering (two levels can
    /// each be less than the other): it decides the sign of a comparison of unequal levels and
    /// must never be used to sort.
    bool operator<(const StopStrategyLevel &other) const;

private:
    /// Streams the fields as they are, without the reports of frequency() and stop().
    friend TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const StopStrategyLevel &level);

    int m_frequency;
    int m_trigger;
    int m_stop;
    Type m_type;
};

/// The levels of a stop strategy, in the order they were added.
class TYPEKIT_EXPORT StopStrategyLevels
{
public:
    StopStrategyLevels() = default;
    StopStrategyLevels(const StopStrategyLevels &other) = default;
    StopStrategyLevels &operator=(const StopStrategyLevels &other) = default;
    virtual ~StopStrategyLevels();

    bool isEmpty() const { return m_levels.isEmpty(); }
    int count() const { return int(m_levels.count()); }
    /// The index must lie in [0, count()).
    const StopStrategyLevel &operator[](int i) const { return m_levels.at(i); }
    StopStrategyLevel &operator[](int i) { return m_levels[i]; }
    StopStrategyLevels &operator<<(const StopStrategyLevel &level);
    /// An index outside [0, count()) is ignored.
    void removeAt(int i);
    QList<StopStrategyLevel> &all() { return m_levels; }
    const QList<StopStrategyLevel> &all() const { return m_levels; }
    QList<StopStrategyLevel>::const_iterator begin() const { return m_levels.cbegin(); }
    QList<StopStrategyLevel>::const_iterator end() const { return m_levels.cend(); }

    /// No level is valid (an empty collection is default).
    bool isDefault() const;
    /// No two valid levels with a trigger of their own share it.
    bool isValid() const;

private:
    QList<StopStrategyLevel> m_levels;
};

/// Saves a level as a struct of its four figures; only a valid level loads back (a saved level
/// without "type" is a trailing one).
class TYPEKIT_EXPORT StopStrategyLevelConverter : public StubConverterImpl
{
public:
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;

private:
    static const int metaTypeId;
};

/// Collections in variants: compared count first, then level by level; saved in order; a loaded
/// collection keeps the valid levels, in order.
class TYPEKIT_EXPORT StopStrategyLevelsConverter : public StubConverterImpl
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::StopStrategyLevel(Trailing, frequency: 0, trigger: 2, stop: 0).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const StopStrategyLevel &level);
/// For logs and failing comparisons: Trade::StopStrategyLevels(...), each level as above.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const StopStrategyLevels &levels);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::StopStrategyLevel)
Q_DECLARE_METATYPE(Trade::StopStrategyLevels)
