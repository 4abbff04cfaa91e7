#pragma once

#include <typekit/mms/exitstrategy/iexitstrategytemplate.h>
#include <typekit/mms/stopstrategy/istopstrategytemplate.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <QtCore/QList>

class QDebug;

namespace Trade {

/// One level of an exit strategy: a quantity taken off at a profit target and protected by a
/// stop, optionally managed by a stop strategy. Whole numbers in the host's units.
class TYPEKIT_EXPORT ExitStrategyLevel
{
public:
    ExitStrategyLevel() : m_quantity(0), m_profit(0), m_stop(0), m_stopStrategy(nullptr) {}
    ExitStrategyLevel(int quantity, int profit, int stop, IStopStrategyTemplate *stopStrategy)
        : m_quantity(quantity), m_profit(profit), m_stop(stop), m_stopStrategy(stopStrategy)
    {
    }

    /// The quantity; one below 1 is reported.
    int quantity() const;
    int profit() const { return m_profit; }
    /// A profit target of 0 means none.
    bool hasProfit() const { return m_profit != 0; }
    /// The stop; one below 1 is reported.
    int stop() const;
    IStopStrategyTemplate *stopStrategy() const { return m_stopStrategy; }

    void setQuantity(int quantity) { m_quantity = quantity; }
    /// A negative profit target is reported, and stored.
    void setProfit(int profit);
    void setStop(int stop) { m_stop = stop; }
    void setStopStrategy(IStopStrategyTemplate *stopStrategy) { m_stopStrategy = stopStrategy; }

    /// A quantity and a stop of at least 1, and a profit target that is not negative.
    bool isValid() const { return m_quantity >= 1 && m_profit >= 0 && m_stop >= 1; }

    bool operator==(const ExitStrategyLevel &other) const;
    bool operator!=(const ExitStrategyLevel &other) const { return !(*this == other); }

private:
    /// Streams the fields as they are, without the reports of quantity() and stop().
    friend TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const ExitStrategyLevel &level);

    int m_quantity;
    int m_profit;
    int m_stop;
    IStopStrategyTemplate *m_stopStrategy;
};

/// The levels of an exit strategy, in order.
class TYPEKIT_EXPORT ExitStrategyLevels : public QList<ExitStrategyLevel>
{
public:
    using QList<ExitStrategyLevel>::QList;
    ExitStrategyLevels() = default;
};

/// Saves a level as a struct of its four figures; only a valid level loads back.
class TYPEKIT_EXPORT ExitStrategyLevelConverter : public StubConverterImpl
{
public:
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;

private:
    static const int metaTypeId;
};

/// Saves the levels in order; a loaded list keeps the valid ones, in order.
class TYPEKIT_EXPORT ExitStrategyLevelsConverter : public StubConverterImpl
{
public:
    Variant fromVariant(const Variant &value, const Variant &context) override;
    Variant toVariant(const Variant &value) override;
    QString toString(const Variant &value) override;
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::ExitStrategyLevel(quantity: 1, profit: 8, stop: 4).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const ExitStrategyLevel &level);
/// For logs and failing comparisons: Trade::ExitStrategyLevels(...), each level as above.
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const ExitStrategyLevels &levels);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::ExitStrategyLevel)
Q_DECLARE_METATYPE(Trade::ExitStrategyLevels)
