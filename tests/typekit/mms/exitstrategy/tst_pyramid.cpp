// The pyramid mode: texts, reports and its converter.
#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/pyramid.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

namespace {
const QString file = QStringLiteral("mms/exitstrategy/pyramid");
}

class tst_Pyramid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsAndConverter()
    {
        // Display and persistent texts by value, from 0 to one beyond the last.
        const char *const texts[][2] = {{"", ""},
                                        {"None", "None"},
                                        {"Adj. Qty Only", "AdjustQuantityOnly"},
                                        {"Adj. Qty & Price", "AdjustQuantityAndPrice"},
                                        {"", ""}};
        for (int value = 0; value < 5; ++value) {
            const QString display = QString::fromLatin1(texts[value][0]);
            const QString persistent = QString::fromLatin1(texts[value][1]);
            ReportRecorder reports;
            const Pyramid pyramid{Pyramid::Type(value)};
            QCOMPARE(QString(pyramid), display);
            const QString named =
                QStringLiteral("\"\" \"(int)m_type\"=\"{\n    \"type\": \"int\",\n    \"value\": \"%1\"\n}\n\" ")
                    .arg(value);
            QCOMPARE(reports.lines(), display.isEmpty() ? QStringList{ReportRecorder::line(
                                          file, u"Trade::Pyramid::toString", u"false && \"Invalid type\"", named)}
                                                        : QStringList());
            reports.clear();
            const Dump saved(Dump::Atom(QStringLiteral("Trade::Pyramid"), persistent));
            QCOMPARE(Variant::fromValue(pyramid).save(), saved);
            // Saved without a text, it loads as None.
            QCOMPARE(int(Variant::load(saved, Variant()).strongValue<Pyramid>()), persistent.isEmpty() ? 1 : value);
            QCOMPARE(reports.count(), 0);
        }

        PyramidConverter converter;
        const Variant quantity = Variant::fromValue(Pyramid(Pyramid::AdjustQuantityOnly));
        ReportRecorder reports;
        // Only the exact persistent texts load: a display text, or one in another case, loads as None.
        for (const char *text : eachRow(std::array{"Adj. Qty Only", "none"})) {
            const Dump saved(Dump::Atom(QStringLiteral("Trade::Pyramid"), QString::fromLatin1(text)));
            QCOMPARE(Variant::load(saved, Variant()).strongValue<Pyramid>(), Pyramid::None);
        }
        QVERIFY(!converter.fromVariant(Variant(), Variant()).isValid());
        QCOMPARE(converter.fromVariant(quantity, Variant()).strongValue<Pyramid>(), Pyramid::AdjustQuantityOnly);
        QCOMPARE(reports.count(), 0);
        QVERIFY(!converter.fromVariant(Variant(2), Variant()).isValid());
        QVERIFY(!converter.toVariant(quantity).isValid());
        QCOMPARE(converter.compare(quantity, quantity), 0);
        QCOMPARE(
            reports.lines(),
            QStringList(
                {ReportRecorder::line(file, u"Trade::PyramidConverter::fromVariant", u"false && \"Not implemented\""),
                 ReportRecorder::line(file, u"Trade::PyramidConverter::toVariant", u"false && \"Not implemented.\""),
                 ReportRecorder::line(file, u"Trade::PyramidConverter::compare", u"false && \"Not implemented.\"")}));
    }
};

QTEST_GUILESS_MAIN(tst_Pyramid)
#include "tst_pyramid.moc"
