// Trade sides, in variants and through their converter.
#include <testsupport/reportrecorder.h>

#include <typekit/position/tradeside.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_TradeSide : public QObject
{
    Q_OBJECT

    static Variant side(int type) { return Variant::fromValue(TradeSide(TradeSide::Type(type))); }

private Q_SLOTS:
    void predicatesAndText()
    {
        ReportRecorder reports;
        // A value outside the three sides is none of them and shows nothing, silently.
        const struct
        {
            int type;
            bool isLong, isShort, isFlat;
            const char *text;
        } rows[] = {{0, false, false, false, ""},
                    {1, true, false, false, "Long"},
                    {2, false, true, false, "Short"},
                    {3, false, false, true, "Flat"},
                    {4, false, false, false, ""}};
        for (const auto &row : eachRow(rows)) {
            const TradeSide value{TradeSide::Type(row.type)};
            QCOMPARE(value.isLong(), row.isLong);
            QCOMPARE(value.isShort(), row.isShort);
            QCOMPARE(value.isFlat(), row.isFlat);
            QCOMPARE(side(row.type).toString(), QLatin1String(row.text));
        }
        QCOMPARE(TradeSide(true), TradeSide::Long);
        QCOMPARE(TradeSide(false), TradeSide::Short);
        QCOMPARE(reports.count(), 0);
    }

    void converter()
    {
        TradeSideConverter converter;
        ReportRecorder reports;
        // Anything that is no side (an empty variant, another type) reads as 0.
        const struct
        {
            Variant left, right;
            int result;
        } rows[] = {{side(1), side(1), 0},
                    {side(1), side(3), -1},
                    {side(2), side(1), 1},
                    {Variant(), side(1), -1},
                    {side(0), Variant(QStringLiteral("Long")), 0}};
        for (const auto &row : eachRow(rows)) {
            QCOMPARE(converter.compare(row.left, row.right), row.result);
            QCOMPARE(converter.compare(row.right, row.left), -row.result);
            if (row.left.isValid() && row.right.isValid())
                QCOMPARE(row.left == row.right, row.result == 0);
        }

        const Variant longSide = side(1);
        // Saving goes through the stub, which writes the converter's own text.
        QCOMPARE(longSide.save(), Dump(Dump::Atom(QStringLiteral("Trade::TradeSide"), QStringLiteral("Long"))));
        // Loading and conversion are not supported: one report each, and no value.
        QVERIFY(!Variant::load(longSide.save(), Variant()).isValid());
        QVERIFY(!Variant(1).convert(qMetaTypeId<TradeSide>(), Variant()).isValid());
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.reports().at(0).function, QStringLiteral("Trade::StubConverterImpl::load"));
        QCOMPARE(reports.reports().at(1).function, QStringLiteral("Trade::StubConverterImpl::fromVariant"));
    }
};

QTEST_GUILESS_MAIN(tst_TradeSide)
#include "tst_tradeside.moc"
