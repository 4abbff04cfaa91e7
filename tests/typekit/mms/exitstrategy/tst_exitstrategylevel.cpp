// Exit strategy levels: validity, equality, reports, saving and loading.
#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

class Strategy final : public IStopStrategyTemplate
{
};

const QString exitFile = QStringLiteral("mms/exitstrategy/exitstrategylevel");

template <typename T>
Variant roundTrip(const T &value)
{
    return Variant::load(Dump::fromJson(Variant::fromValue(value).save().toJsonIndented()), Variant());
}

} // namespace

class tst_ExitStrategyLevel : public QObject
{
    Q_OBJECT

private slots:
    void validity_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("profit");
        QTest::addColumn<int>("stop");
        QTest::addColumn<bool>("valid");

        QTest::addRow("smallest") << 1 << 0 << 1 << true;
        QTest::addRow("with profit") << 5 << 20 << 10 << true;
        QTest::addRow("negative profit") << 1 << -1 << 1 << false;
        QTest::addRow("no quantity") << 0 << 1 << 1 << false;
        QTest::addRow("no stop") << 1 << 1 << 0 << false;
        QTest::addRow("default") << 0 << 0 << 0 << false;
    }

    void validity()
    {
        QFETCH(int, quantity);
        QFETCH(int, profit);
        QFETCH(int, stop);
        QFETCH(bool, valid);

        const ExitStrategyLevel level(quantity, profit, stop, nullptr);
        QCOMPARE(level.isValid(), valid);
        QCOMPARE(level.hasProfit(), profit != 0);
        ReportRecorder reports;
        const Variant loaded = roundTrip(level);  // saving reads quantity and stop, which report
        QCOMPARE(loaded.isValid(), valid);
        if (valid)
            QVERIFY(loaded.strongValue<ExitStrategyLevel>() == level);
        QCOMPARE(reports.count(), int(quantity < 1) + int(stop < 1));
    }

    void reportsAndEquality()
    {
        Strategy first;
        Strategy second;
        QVERIFY(ExitStrategyLevel(1, 2, 3, &first) != ExitStrategyLevel(1, 2, 3, &second));
        QVERIFY(ExitStrategyLevel(1, 2, 3, &first) == ExitStrategyLevel(1, 2, 3, &first));
        ReportRecorder reports;
        ExitStrategyLevel level;
        level.setProfit(-5);  // reported, stored
        QCOMPARE(level.profit(), -5);
        QCOMPARE(level.quantity(), 0);
        QCOMPARE(level.stop(), 0);
        QCOMPARE(reports.lines(), QStringList({ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::setProfit", u"profit >= 0"),
                                               ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::quantity", u"0 < m_quantity"),
                                               ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::stop", u"0 < m_stop")}));
    }

    void saving()
    {
        Strategy strategy;
        ExitStrategyLevels levels{ExitStrategyLevel(1, 10, 5, &strategy), ExitStrategyLevel(0, 10, 5, nullptr),
                                  ExitStrategyLevel(3, 0, 8, nullptr)};
        ReportRecorder reports;
        const Dump saved = Variant::fromValue(levels).save();
        QCOMPARE(saved.asContainer().size(), 3);
        const ExitStrategyLevels loaded =
            Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(ExitStrategyLevels());
        // The invalid middle level is dropped, the order kept; without a host converter the strategy
        // pointer does not come back.
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.at(0).stop(), 5);
        QCOMPARE(loaded.at(0).stopStrategy(), nullptr);
        QCOMPARE(loaded.at(1), ExitStrategyLevel(3, 0, 8, nullptr));
        QCOMPARE(reports.lines().size(), 1);  // the quantity of the invalid level, read while saving
        QCOMPARE(reports.lines().first(), ReportRecorder::line(exitFile, u"Trade::ExitStrategyLevel::quantity", u"0 < m_quantity"));

        ExitStrategyLevelsConverter converter;
        QCOMPARE(converter.toString(Variant::fromValue(levels)), QString());
        QCOMPARE(converter.toVariant(Variant::fromValue(levels)).userType(), qMetaTypeId<ExitStrategyLevels>());

        // A dump missing members, or holding texts where numbers belong, loads nothing.
        Dump::Struct broken(QStringLiteral("Trade::ExitStrategyLevel"));
        broken.insert(QStringLiteral("quantity"), Dump(Dump::Atom(QStringLiteral("QString"), QStringLiteral("3"))));
        QVERIFY(!Variant::load(Dump(broken), Variant()).isValid());

        // Items saved as other types are no levels, even when they load as something.
        Dump::Container mixed(QStringLiteral("Trade::ExitStrategyLevels"));
        mixed.append(Variant(7).save());
        mixed.append(Variant::fromValue(StopStrategyLevel(2, 5, 10, StopStrategyLevel::typeTrailing)).save());
        mixed.append(Variant::fromValue(levels.at(2)).save());
        const Variant fromMixed = Variant::load(Dump(mixed), Variant());
        QCOMPARE(fromMixed.valueOr(ExitStrategyLevels()), ExitStrategyLevels{levels.at(2)});
    }
};

QTEST_GUILESS_MAIN(tst_ExitStrategyLevel)
#include "tst_exitstrategylevel.moc"
