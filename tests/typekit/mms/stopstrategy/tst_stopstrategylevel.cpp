// Stop strategy levels: validity, collections, comparison, saving and loading.
#include <testsupport/reportrecorder.h>

#include <typekit/mms/stopstrategy/stopstrategylevel.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

namespace {

using Level = StopStrategyLevel;
const QString stopFile = QStringLiteral("mms/stopstrategy/stopstrategylevel");

template <typename... Levels>
Variant held(const Levels &...levels)
{
    return Variant::fromValue((StopStrategyLevels() << ... << levels));
}

} // namespace

class tst_StopStrategyLevel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validity_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("reports");

        const QString frequency = ReportRecorder::line(stopFile, u"Trade::StopStrategyLevel::frequency",
                                                       u"0 < m_frequency || m_type != typeTrailing");
        const QString stop =
            ReportRecorder::line(stopFile, u"Trade::StopStrategyLevel::stop", u"0 < m_stop || m_type == typeBreakEven");
        QTest::addRow("break even") << 0 << 0 << 1 << true << QStringList();
        QTest::addRow("trailing without frequency") << 0 << 10 << 0 << false << QStringList{frequency};
        QTest::addRow("trailing") << 2 << 10 << 0 << true << QStringList();
        QTest::addRow("trailing without stop") << 2 << 0 << 0 << false << QStringList{stop};
        QTest::addRow("stop") << 0 << 10 << 2 << true << QStringList();
        QTest::addRow("stop without stop") << 0 << 0 << 2 << false << QStringList{stop};
        QTest::addRow("unexpected type") << 1 << 1 << 7 << false
                                         << QStringList{ReportRecorder::line(
                                                stopFile, u"Trade::StopStrategyLevel::isValid",
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
        const Level level(frequency, 5, stop, Level::Type(type));
        QCOMPARE(level.isValid(), valid);
        level.frequency();
        level.stop();
        QCOMPARE(recorder.lines(), reports);
        QCOMPARE(level.frequencyEnabled(), type == 0);
        QCOMPARE(level.stopEnabled(), type != 1);
    }

    void collections()
    {
        const Level at5(1, 5, 1, Level::typeTrailing);
        const Level alsoAt5(0, 5, 3, Level::typeStop);
        const Level invalidAt5(0, 5, 0, Level::typeStop);
        const Level atDefault(1, 0, 1, Level::typeTrailing);

        StopStrategyLevels levels;
        QVERIFY(levels.isDefault() && levels.isValid());
        levels << invalidAt5;
        QVERIFY(levels.isDefault());
        levels << at5 << atDefault << atDefault;
        QVERIFY(!levels.isDefault() && levels.isValid()); // default triggers may repeat
        levels << invalidAt5;
        QVERIFY(levels.isValid()); // invalid levels do not count
        levels << alsoAt5;
        QVERIFY(!levels.isValid());

        const int count = levels.count();
        levels.removeAt(-1);
        levels.removeAt(count);
        QCOMPARE(levels.count(), count);
        levels.removeAt(count - 1);
        QVERIFY(levels.isValid());
        levels.removeAt(0);
        QCOMPARE(levels.count(), count - 2);
        QVERIFY(levels[0] == at5);
    }

    // Levels that differ in any one member are unequal, and collections of them compare by the
    // level whose member is smaller.
    void comparison()
    {
        StopStrategyLevelsConverter converter;
        const Level level(2, 5, 10, Level::typeTrailing);
        QVERIFY(level == Level(2, 5, 10, Level::typeTrailing));
        QCOMPARE(converter.compare(held(level), held(level)), 0);
        for (const Level &greater :
             eachRow(std::array{Level(3, 5, 10, Level::typeTrailing), Level(2, 6, 10, Level::typeTrailing),
                                Level(2, 5, 11, Level::typeTrailing), Level(2, 5, 10, Level::typeStop)})) {
            QVERIFY(level != greater);
            QCOMPARE(converter.compare(held(level), held(greater)), -1);
            QCOMPARE(converter.compare(held(greater), held(level)), 1);
        }

        // No ordering: with a smaller stop on one side and a smaller frequency on the other, each
        // is less than the other, so their collections compare as -1 both ways.
        const Level a(5, 0, 1, Level::typeTrailing);
        const Level b(1, 0, 5, Level::typeTrailing);
        QCOMPARE(converter.compare(held(a), held(b)), -1);
        QCOMPARE(converter.compare(held(b), held(a)), -1);
        // The shorter collection comes first.
        QCOMPARE(converter.compare(held(a), held(b, a)), -1);
        QCOMPARE(converter.compare(held(b, a), held(a)), 1);

        ReportRecorder reports;
        QCOMPARE(converter.compare(held(a), Variant(3)), 1); // an int holds no levels
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(stopFile, u"Trade::StopStrategyLevelsConverter::compare",
                                                  u"left.userType() == right.userType()")});
    }

    void saving()
    {
        StopStrategyLevels levels;
        levels << Level(2, 5, 10, Level::typeTrailing) << Level(0, 7, 0, Level::typeStop)
               << Level(0, 9, 0, Level::typeBreakEven) << Level(0, 3, 4, Level::typeStop);
        ReportRecorder quiet; // the invalid level's stop is read while saving
        const Variant loaded =
            Variant::load(Dump::fromJson(Variant::fromValue(levels).save().toJsonIndented()), Variant());
        QCOMPARE(loaded.valueOr(StopStrategyLevels()).all(), QList<Level>({levels[0], levels[2], levels[3]}));

        // A saved level without "type" is a trailing one.
        Dump::Struct saved(QStringLiteral("Trade::StopStrategyLevel"));
        saved.insert(QStringLiteral("frequency"), Variant(3).save());
        saved.insert(QStringLiteral("stop"), Variant(4).save());
        QCOMPARE(Variant::load(Dump(saved), Variant()).strongValue<Level>().type(), Level::typeTrailing);
        // One of an unknown type loads as nothing, silently.
        saved.insert(QStringLiteral("type"), Variant(7).save());
        ReportRecorder reports;
        QVERIFY(!Variant::load(Dump(saved), Variant()).isValid());
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_StopStrategyLevel)
#include "tst_stopstrategylevel.moc"
