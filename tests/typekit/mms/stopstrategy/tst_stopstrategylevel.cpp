// Stop strategy levels: validity, collections, comparison, saving and loading.
#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

const QString stopFile = QStringLiteral("mms/stopstrategy/stopstrategylevel");

template <typename T>
Variant roundTrip(const T &value)
{
    return Variant::load(Dump::fromJson(Variant::fromValue(value).save().toJsonIndented()), Variant());
}

} // namespace

class tst_StopStrategyLevel : public QObject
{
    Q_OBJECT

private slots:
    void validity_data()
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

    void validity()
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

    void collections()
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

    void equality()
    {
        const StopStrategyLevel level(2, 5, 10, StopStrategyLevel::typeTrailing);
        QVERIFY(level == StopStrategyLevel(2, 5, 10, StopStrategyLevel::typeTrailing));
        for (const StopStrategyLevel &other : {StopStrategyLevel(3, 5, 10, StopStrategyLevel::typeTrailing),
                                               StopStrategyLevel(2, 6, 10, StopStrategyLevel::typeTrailing),
                                               StopStrategyLevel(2, 5, 11, StopStrategyLevel::typeTrailing),
                                               StopStrategyLevel(2, 5, 10, StopStrategyLevel::typeStop)})
            QVERIFY(level != other);
    }

    void orderIsNoOrdering()
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

    void saving()
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
};

QTEST_GUILESS_MAIN(tst_StopStrategyLevel)
#include "tst_stopstrategylevel.moc"
