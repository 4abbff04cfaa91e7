// Exit and stop strategy levels: validity, comparison, saving and loading.
#include "reportrecorder.h"

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
const QString stopFile = QStringLiteral("mms/stopstrategy/stopstrategylevel");

template <typename T>
Variant roundTrip(const T &value)
{
    return Variant::load(Dump::fromJson(Variant::fromValue(value).save().toJsonIndented()), Variant());
}

} // namespace

class tst_Levels : public QObject
{
    Q_OBJECT

private slots:
    void exitValidity_data();
    void exitValidity();
    void exitReportsAndEquality();
    void exitSaving();
    void stopValidity_data();
    void stopValidity();
    void stopCollections();
    void stopOrderIsNoOrdering();
    void stopSaving();
};

void tst_Levels::exitValidity_data()
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

void tst_Levels::exitValidity()
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

void tst_Levels::exitReportsAndEquality()
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

void tst_Levels::exitSaving()
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

void tst_Levels::stopValidity_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("reports");

    const QString frequency = ReportRecorder::line(stopFile, u"Trade::StopStrategyLevel::frequency",
                                                   u"0 < m_frequency || m_type != typeTrailing");
    const QString stop = ReportRecorder::line(stopFile, u"Trade::StopStrategyLevel::stop", u"0 < m_stop || m_type == typeBreakEven");
    QTest::addRow("break even") << 0 << 0 << 1 << true << QStringList();
    QTest::addRow("trailing without frequency") << 0 << 10 << 0 << false << QStringList{frequency};
    QTest::addRow("trailing") << 2 << 10 << 0 << true << QStringList();
    QTest::addRow("stop") << 0 << 10 << 2 << true << QStringList();
    QTest::addRow("stop without stop") << 0 << 0 << 2 << false << QStringList{stop};
    QTest::addRow("unexpected type") << 1 << 1 << 7 << false
                                     << QStringList{ReportRecorder::line(stopFile, u"Trade::StopStrategyLevel::isValid",
                                                                         u"false && \"unexpected stop strategy level type\"")};
}

void tst_Levels::stopValidity()
{
    QFETCH(int, frequency);
    QFETCH(int, stop);
    QFETCH(int, type);
    QFETCH(bool, valid);
    QFETCH(QStringList, reports);

    ReportRecorder recorder;
    const StopStrategyLevel level(frequency, 5, stop, StopStrategyLevel::Type(type));
    QCOMPARE(level.isValid(), valid);
    if (type != 7) {
        level.frequency();
        level.stop();
    }
    QCOMPARE(recorder.lines(), reports);
    QCOMPARE(level.frequencyEnabled(), type == 0);
    QCOMPARE(level.stopEnabled(), type != 1);
}

void tst_Levels::stopCollections()
{
    const StopStrategyLevel at5(1, 5, 1, StopStrategyLevel::typeTrailing);
    const StopStrategyLevel alsoAt5(0, 5, 3, StopStrategyLevel::typeStop);
    const StopStrategyLevel invalidAt5(0, 5, 0, StopStrategyLevel::typeStop);
    const StopStrategyLevel atDefault(1, 0, 1, StopStrategyLevel::typeTrailing);

    StopStrategyLevels levels;
    QVERIFY(levels.isDefault() && levels.isValid());
    levels << invalidAt5;
    QVERIFY(levels.isDefault());
    levels << at5 << atDefault << atDefault;
    QVERIFY(!levels.isDefault() && levels.isValid());  // default triggers may repeat
    levels << invalidAt5;
    QVERIFY(levels.isValid());  // invalid levels do not count
    levels << alsoAt5;
    QVERIFY(!levels.isValid());

    const int count = levels.count();
    levels.removeAt(-1);
    levels.removeAt(count);
    QCOMPARE(levels.count(), count);
    levels.removeAt(count - 1);
    QVERIFY(levels.isValid());
    levels[1].setTrigger(9);
    QCOMPARE(levels.all().at(1).trigger(), 9);
}

void tst_Levels::stopOrderIsNoOrdering()
{
    // Each is less than the other: a smaller stop on one side, a smaller frequency on the other.
    const StopStrategyLevel a(5, 0, 1, StopStrategyLevel::typeTrailing);
    const StopStrategyLevel b(1, 0, 5, StopStrategyLevel::typeTrailing);
    QVERIFY(a < b);
    QVERIFY(b < a);
    QVERIFY(a != b);

    StopStrategyLevelsConverter converter;
    StopStrategyLevels left;
    left << a;
    StopStrategyLevels right;
    right << b;
    // So comparing the collections gives -1 in both orders.
    QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(right)), -1);
    QCOMPARE(converter.compare(Variant::fromValue(right), Variant::fromValue(left)), -1);
    QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(left)), 0);
    right << a;
    QCOMPARE(converter.compare(Variant::fromValue(left), Variant::fromValue(right)), -1);
    QCOMPARE(converter.compare(Variant::fromValue(right), Variant::fromValue(left)), 1);

    ReportRecorder reports;
    QCOMPARE(converter.compare(Variant::fromValue(left), Variant(3)), 1);  // an int holds no levels
    QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(stopFile, u"Trade::StopStrategyLevelsConverter::compare",
                                                               u"left.userType() == right.userType()")});
}

void tst_Levels::stopSaving()
{
    StopStrategyLevels levels;
    levels << StopStrategyLevel(2, 5, 10, StopStrategyLevel::typeTrailing) << StopStrategyLevel(0, 7, 0, StopStrategyLevel::typeStop)
           << StopStrategyLevel(0, 9, 0, StopStrategyLevel::typeBreakEven);
    ReportRecorder quiet;  // the invalid level's stop is read while saving
    const StopStrategyLevels loaded = roundTrip(levels).valueOr(StopStrategyLevels());
    QCOMPARE(loaded.count(), 2);
    QCOMPARE(loaded[0], levels[0]);
    QCOMPARE(loaded[1], levels[2]);

    // A saved level without "type" is a trailing one.
    Dump::Struct saved(QStringLiteral("Trade::StopStrategyLevel"));
    saved.insert(QStringLiteral("frequency"), Variant(3).save());
    saved.insert(QStringLiteral("stop"), Variant(4).save());
    QCOMPARE(Variant::load(Dump(saved), Variant()).strongValue<StopStrategyLevel>().type(), StopStrategyLevel::typeTrailing);
    // One of an unknown type loads as nothing, silently.
    saved.insert(QStringLiteral("type"), Variant(7).save());
    ReportRecorder reports;
    QVERIFY(!Variant::load(Dump(saved), Variant()).isValid());
    QCOMPARE(reports.count(), 0);

    // Exit levels saved in a stop collection are no stop levels.
    Dump::Container mixed(QStringLiteral("Trade::StopStrategyLevels"));
    mixed.append(Variant::fromValue(ExitStrategyLevel(1, 10, 5, nullptr)).save());
    QVERIFY(Variant::load(Dump(mixed), Variant()).valueOr(levels).isEmpty());
}

QTEST_GUILESS_MAIN(tst_Levels)
#include "tst_levels.moc"
