// Trade sides, in variants and through their converter.
#include <testsupport/reportrecorder.h>

#include <typekit/position/tradeside.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using Trade::TradeSide;
using Trade::Variant;

namespace {
Variant side(int type)
{
    return Variant::fromValue(TradeSide(TradeSide::Type(type)));
}
} // namespace

class tst_TradeSide : public QObject
{
    Q_OBJECT

private slots:
    void predicatesAndText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("isLong");
        QTest::addColumn<bool>("isShort");
        QTest::addColumn<bool>("isFlat");
        QTest::addColumn<QString>("text");

        QTest::addRow("none") << 0 << false << false << false << "";
        QTest::addRow("long") << 1 << true << false << false << "Long";
        QTest::addRow("short") << 2 << false << true << false << "Short";
        QTest::addRow("flat") << 3 << false << false << true << "Flat";
        QTest::addRow("beyond") << 4 << false << false << false << "";
    }

    void predicatesAndText()
    {
        QFETCH(int, type);
        QFETCH(bool, isLong);
        QFETCH(bool, isShort);
        QFETCH(bool, isFlat);
        QFETCH(QString, text);

        const TradeSide value{TradeSide::Type(type)};
        QCOMPARE(value.isLong(), isLong);
        QCOMPARE(value.isShort(), isShort);
        QCOMPARE(value.isFlat(), isFlat);
        QCOMPARE(int(TradeSide::Type(value)), type);

        ReportRecorder reports;
        QCOMPARE(side(type).toString(), text);
        QCOMPARE(reports.count(), 0);  // an unknown side shows nothing, silently
    }

    void compare_data()
    {
        QTest::addColumn<Variant>("left");
        QTest::addColumn<Variant>("right");
        QTest::addColumn<int>("result");

        QTest::addRow("equal") << side(1) << side(1) << 0;
        QTest::addRow("less") << side(1) << side(3) << -1;
        QTest::addRow("greater") << side(2) << side(1) << 1;
        QTest::addRow("empty reads as 0") << Variant() << side(1) << -1;
        QTest::addRow("other type reads as 0") << side(0) << Variant(QStringLiteral("Long")) << 0;
    }

    void compare()
    {
        QFETCH(Variant, left);
        QFETCH(Variant, right);
        QFETCH(int, result);

        Trade::TradeSideConverter converter;
        ReportRecorder reports;
        QCOMPARE(converter.compare(left, right), result);
        QCOMPARE(converter.compare(right, left), -result);
        QCOMPARE(reports.count(), 0);
        if (left.isValid() && right.isValid())
            QCOMPARE(left == right, result == 0);
    }

    void stubOperationsReport()
    {
        ReportRecorder reports;
        const Variant longSide = side(1);
        QCOMPARE(TradeSide(true), TradeSide::Long);
        QCOMPARE(TradeSide(false), TradeSide::Short);
        // Saving goes through the stub, which writes the converter's own text.
        QCOMPARE(longSide.save(), Trade::Dump(Trade::Dump::Atom(QStringLiteral("Trade::TradeSide"), QStringLiteral("Long"))));
        QCOMPARE(reports.count(), 0);
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
