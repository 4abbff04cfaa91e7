// The pyramid mode: texts, reports and its converter.
#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/pyramid.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {
const QString file = QStringLiteral("mms/exitstrategy/pyramid");
}

class tst_Pyramid : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("persistent");

        QTest::addRow("0") << 0 << "" << "";
        QTest::addRow("none") << 1 << "None" << "None";
        QTest::addRow("quantity") << 2 << "Adj. Qty Only" << "AdjustQuantityOnly";
        QTest::addRow("quantity and price") << 3 << "Adj. Qty & Price" << "AdjustQuantityAndPrice";
        QTest::addRow("4") << 4 << "" << "";
    }

    void texts()
    {
        QFETCH(int, value);
        QFETCH(QString, display);
        QFETCH(QString, persistent);

        ReportRecorder reports;
        const Pyramid pyramid{Pyramid::Type(value)};
        QCOMPARE(QString(pyramid), display);
        const QString named = QStringLiteral("\"\" \"(int)m_type\"=\"{\n    \"type\": \"int\",\n    \"value\": \"%1\"\n}\n\" ").arg(value);
        QCOMPARE(reports.lines(), display.isEmpty() ? QStringList{ReportRecorder::line(file, u"Trade::Pyramid::toString",
                                                                                       u"false && \"Invalid type\"", named)}
                                                    : QStringList());
        reports.clear();
        QCOMPARE(Variant::fromValue(pyramid).save(), Dump(Dump::Atom(QStringLiteral("Trade::Pyramid"), persistent)));
        QCOMPARE(reports.count(), 0);
    }

    void saveAndLoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");

        QTest::addRow("known") << "AdjustQuantityAndPrice" << 3;
        QTest::addRow("display text") << "Adj. Qty Only" << 1;
        QTest::addRow("empty") << "" << 1;
        QTest::addRow("case differs") << "none" << 1;
    }

    void saveAndLoad()
    {
        QFETCH(QString, text);
        QFETCH(int, value);

        ReportRecorder reports;
        const Variant loaded = Variant::load(Dump(Dump::Atom(QStringLiteral("Trade::Pyramid"), text)), Variant());
        QCOMPARE(int(loaded.strongValue<Pyramid>()), value);
        QCOMPARE(reports.count(), 0);
    }

    void unsupportedOperations()
    {
        PyramidConverter converter;
        const Variant quantity = Variant::fromValue(Pyramid(Pyramid::AdjustQuantityOnly));
        ReportRecorder reports;
        QVERIFY(!converter.fromVariant(Variant(), Variant()).isValid());
        QCOMPARE(converter.fromVariant(quantity, Variant()).strongValue<Pyramid>(), Pyramid::AdjustQuantityOnly);
        QCOMPARE(reports.count(), 0);
        QVERIFY(!converter.fromVariant(Variant(2), Variant()).isValid());
        QVERIFY(!converter.toVariant(quantity).isValid());
        QCOMPARE(converter.compare(quantity, quantity), 0);
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(file, u"Trade::PyramidConverter::fromVariant", u"false && \"Not implemented\""),
                              ReportRecorder::line(file, u"Trade::PyramidConverter::toVariant", u"false && \"Not implemented.\""),
                              ReportRecorder::line(file, u"Trade::PyramidConverter::compare", u"false && \"Not implemented.\"")}));
    }
};

QTEST_GUILESS_MAIN(tst_Pyramid)
#include "tst_pyramid.moc"
