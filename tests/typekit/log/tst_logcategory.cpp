#include <testsupport/reportrecorder.h>

#include <typekit/log/logcategory.h>

#include <basekit/dump.h>

#include <QtTest/QtTest>

using namespace Trade;

class tst_LogCategory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsAndConverter()
    {
        const char *const texts[] = {
            "", "Balance", "Broker Order", "Broker Message", "Connection", "Execution", "Local Order", "Position", ""};
        const QString unknown = ReportRecorder::line(u"log/logcategory", u"Trade::LogCategory::operator class QString",
                                                     u"false && \"Unknown value\"");
        for (int value = 0; value <= 8; ++value) {
            ReportRecorder reports;
            const LogCategory category{LogCategory::Type(value)};
            QCOMPARE(category.toString(), QLatin1String(texts[value]));
            QCOMPARE(reports.lines(), *texts[value] ? QStringList() : QStringList({unknown}));
        }

        ReportRecorder reports;
        const Variant execution = Variant::fromValue(LogCategory(LogCategory::Execution));
        QCOMPARE(execution.toString(), QStringLiteral("Execution"));
        QCOMPARE(execution.convert(QMetaType::Int, Variant()), Variant(4));
        QCOMPARE(Variant(0).convert(qMetaTypeId<LogCategory>(), Variant()).valueOr(LogCategory()),
                 LogCategory::Balance);
        const Dump saved = execution.save();
        QCOMPARE(saved, Dump(Dump::Atom(QStringLiteral("Trade::LogCategory"), QStringLiteral("Execution"))));
        // Categories are not read back from their text: a loaded one is the default.
        QCOMPARE(int(Variant::load(saved, Variant()).valueOr(LogCategory(LogCategory::Position))), 0);
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_LogCategory)
#include "tst_logcategory.moc"
