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
    void validity()
    {
        const auto report = [](const char *function, const char16_t *condition) {
            return QStringList{ReportRecorder::line(
                stopFile, QStringLiteral("Trade::StopStrategyLevel::") + QLatin1String(function), condition)};
        };
        const QStringList noFrequency = report("frequency", u"0 < m_frequency || m_type != typeTrailing"),
                          noStop = report("stop", u"0 < m_stop || m_type == typeBreakEven"),
                          badType = report("isValid", u"false && \"unexpected stop strategy level type\"");
        // Frequency, stop, type (trailing, break even, stop, then none), valid, reports.
        const std::tuple<int, int, int, bool, QStringList> rows[] = {
            {0, 0, 1, true, {}},  {0, 10, 0, false, noFrequency}, {2, 10, 0, true, {}},     {2, 0, 0, false, noStop},
            {0, 10, 2, true, {}}, {0, 0, 2, false, noStop},       {1, 1, 7, false, badType}};
        for (const auto &[frequency, stop, type, valid, reports] : eachRow(rows)) {
            ReportRecorder recorder;
            const Level level(frequency, 5, stop, Level::Type(type));
            QCOMPARE(level.isValid(), valid);
            level.frequency();
            level.stop();
            QCOMPARE(recorder.lines(), reports);
            QCOMPARE(level.frequencyEnabled(), type == 0);
            QCOMPARE(level.stopEnabled(), type != 1);
        }
    }

    void collections()
    {
        const Level at5(1, 5, 1, Level::typeTrailing), alsoAt5(0, 5, 3, Level::typeStop),
            invalidAt5(0, 5, 0, Level::typeStop), atDefault(1, 0, 1, Level::typeTrailing);

        StopStrategyLevels levels;
        QVERIFY(levels.isDefault() && levels.isValid());
        QVERIFY((levels << invalidAt5).isDefault());
        QVERIFY(!(levels << at5 << atDefault << atDefault).isDefault() && levels.isValid()); // defaults may repeat
        QVERIFY((levels << invalidAt5).isValid()); // invalid ones do not count
        QVERIFY(!(levels << alsoAt5).isValid());

        const int count = levels.count();
        levels.removeAt(-1);
        levels.removeAt(count);
        QCOMPARE(levels.count(), count); // out of range: nothing removed
        levels.removeAt(count - 1);
        QVERIFY(levels.isValid());
        levels.removeAt(0);
        QCOMPARE(levels.count(), count - 2);
        QVERIFY(levels[0] == at5);
    }

    // Levels that differ in any one member are unequal; collections compare by the level whose member is smaller.
    void comparison()
    {
        StopStrategyLevelsConverter converter;
        const Level level(2, 5, 10, Level::typeTrailing);
        QCOMPARE(converter.compare(held(level), held(level)), 0);
        for (const Level &greater :
             eachRow(std::array{Level(3, 5, 10, Level::typeTrailing), Level(2, 6, 10, Level::typeTrailing),
                                Level(2, 5, 11, Level::typeTrailing), Level(2, 5, 10, Level::typeStop)})) {
            QVERIFY(level != greater);
            QCOMPARE(converter.compare(held(level), held(greater)), -1);
            QCOMPARE(converter.compare(held(greater), held(level)), 1);
        }

        // No ordering: a smaller stop one side, a smaller frequency the other, is -1 both ways; shorter comes first.
        const Level a(5, 0, 1, Level::typeTrailing), b(1, 0, 5, Level::typeTrailing);
        QCOMPARE(converter.compare(held(a), held(b)), -1);
        QCOMPARE(converter.compare(held(b), held(a)), -1);
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

        // Saved without "type", a level is a trailing one; with an unknown type it loads as nothing, silently.
        Dump::Struct saved(QStringLiteral("Trade::StopStrategyLevel"));
        saved.insert(QStringLiteral("frequency"), Variant(3).save());
        saved.insert(QStringLiteral("stop"), Variant(4).save());
        QCOMPARE(Variant::load(Dump(saved), Variant()).strongValue<Level>().type(), Level::typeTrailing);
        saved.insert(QStringLiteral("type"), Variant(7).save());
        ReportRecorder reports;
        QVERIFY(!Variant::load(Dump(saved), Variant()).isValid());
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_StopStrategyLevel)
#include "tst_stopstrategylevel.moc"
