#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <tuple>

using namespace Trade;

namespace {

class Strategy final : public IStopStrategyTemplate
{};

const QString exitFile = QStringLiteral("mms/exitstrategy/exitstrategylevel");

} // namespace

class tst_ExitStrategyLevel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validity()
    {
        // Quantity, profit target, stop, valid: the least valid, a profit target, then one member missing, or all.
        const std::tuple<int, int, int, bool> rows[] = {{1, 0, 1, true},  {5, 20, 10, true}, {1, -1, 1, false},
                                                        {0, 1, 1, false}, {1, 1, 0, false},  {0, 0, 0, false}};
        for (const auto &[quantity, profit, stop, valid] : eachRow(rows)) {
            const ExitStrategyLevel level(quantity, profit, stop, nullptr);
            QCOMPARE(level.isValid(), valid);
            QCOMPARE(level.hasProfit(), profit != 0);
            ReportRecorder reports;
            // Saving reads quantity and stop, which report; only a valid level loads back.
            const Variant loaded =
                Variant::load(Dump::fromJson(Variant::fromValue(level).save().toJsonIndented()), Variant());
            QCOMPARE(loaded.isValid(), valid);
            QVERIFY(!valid || loaded.strongValue<ExitStrategyLevel>() == level);
            QCOMPARE(reports.count(), int(quantity < 1) + int(stop < 1));
        }
    }

    void reportsAndEquality()
    {
        Strategy first, second;
        const ExitStrategyLevel level(1, 2, 3, &first);
        for (const ExitStrategyLevel &other :
             eachRow(std::array{ExitStrategyLevel(2, 2, 3, &first), ExitStrategyLevel(1, 0, 3, &first),
                                ExitStrategyLevel(1, 2, 4, &first), ExitStrategyLevel(1, 2, 3, &second)}))
            QVERIFY(level != other);

        ReportRecorder reports;
        ExitStrategyLevel empty;
        empty.setProfit(0); // the least profit target
        empty.setProfit(-5);
        QCOMPARE(empty.quantity(), 0);
        QCOMPARE(empty.stop(), 0);
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::setProfit", u"profit >= 0"),
                              ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::quantity", u"0 < m_quantity"),
                              ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::stop", u"0 < m_stop")}));
    }

    void saving()
    {
        Strategy strategy;
        ExitStrategyLevels levels{ExitStrategyLevel(1, 10, 5, &strategy), ExitStrategyLevel(0, 10, 5, nullptr),
                                  ExitStrategyLevel(3, 0, 8, nullptr)};
        ReportRecorder quiet; // the invalid level's quantity is read while saving
        const Dump saved = Variant::fromValue(levels).save();
        QCOMPARE(saved.asContainer().size(), 3);
        // The invalid middle level is dropped, the order kept; the strategy needs a host converter to come back.
        QCOMPARE(Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(ExitStrategyLevels()),
                 ExitStrategyLevels({ExitStrategyLevel(1, 10, 5, nullptr), levels.at(2)}));

        // Items saved as other types load as invalid levels in their places, which a second round drops.
        Dump::Container mixed(QStringLiteral("Trade::ExitStrategyLevels"));
        mixed.append(Variant(7).save());
        mixed.append(Variant::fromValue(StopStrategyLevel(2, 5, 10, StopStrategyLevel::typeTrailing)).save());
        mixed.append(Variant::fromValue(levels.at(2)).save());
        const ExitStrategyLevels fromMixed = Variant::load(Dump(mixed), Variant()).valueOr(ExitStrategyLevels());
        QCOMPARE(fromMixed.size(), 3);
        QVERIFY(!fromMixed.at(0).isValid() && !fromMixed.at(1).isValid());
        const Dump settled = Variant::fromValue(fromMixed).save();
        QCOMPARE(Variant::load(settled, Variant()).save(), Variant::fromValue(ExitStrategyLevels{levels.at(2)}).save());
    }
};

QTEST_GUILESS_MAIN(tst_ExitStrategyLevel)
#include "tst_exitstrategylevel.moc"
