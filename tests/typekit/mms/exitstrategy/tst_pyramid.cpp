#include <testsupport/reportrecorder.h>

#include <typekit/mms/exitstrategy/pyramid.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

static const QString file = QStringLiteral("mms/exitstrategy/pyramid");

class tst_Pyramid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsAndConverter()
    {
        // Value, display and persistent texts, from 0 to one beyond the last.
        using Row = std::tuple<int, const char *, const char *>;
        for (const auto &[value, display, persistent] :
             eachRow(std::array{Row(0, "", ""), Row(1, "None", "None"), Row(2, "Adj. Qty Only", "AdjustQuantityOnly"),
                                Row(3, "Adj. Qty & Price", "AdjustQuantityAndPrice"), Row(4, "", "")})) {
            ReportRecorder reports;
            const Pyramid pyramid{Pyramid::Type(value)};
            QCOMPARE(QString(pyramid), QLatin1String(display));
            const QString named =
                QStringLiteral("\"\" \"(int)m_type\"=\"{\n    \"type\": \"int\",\n    \"value\": \"%1\"\n}\n\" ")
                    .arg(value);
            QCOMPARE(reports.lines(),
                     QStringList(*display ? 0 : 1, ReportRecorder::line(file, u"Trade::Pyramid::toString",
                                                                        u"false && \"Invalid type\"", named)));
            reports.clear();
            const Dump saved(Dump::Atom(QStringLiteral("Trade::Pyramid"), QLatin1String(persistent)));
            QCOMPARE(Variant::fromValue(pyramid).save(), saved);
            // Saved without a text, it loads as None.
            QCOMPARE(int(Variant::load(saved, Variant()).strongValue<Pyramid>()), *persistent ? value : 1);
            QCOMPARE(reports.count(), 0);
        }

        PyramidConverter converter;
        const Variant quantity = Variant::fromValue(Pyramid(Pyramid::AdjustQuantityOnly));
        ReportRecorder reports;
        // Only the exact persistent texts load: one in another case loads as None.
        const Dump lower(Dump::Atom(QStringLiteral("Trade::Pyramid"), QStringLiteral("none")));
        QCOMPARE(Variant::load(lower, Variant()).strongValue<Pyramid>(), Pyramid::None);
        QVERIFY(!converter.fromVariant(Variant(), Variant()).isValid());
        QCOMPARE(converter.fromVariant(quantity, Variant()).strongValue<Pyramid>(), Pyramid::AdjustQuantityOnly);
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
