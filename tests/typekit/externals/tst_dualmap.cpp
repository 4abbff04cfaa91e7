#include <testsupport/reportrecorder.h>

#include <typekit/externals/dual_map/dual_map.h>

#include <QtTest/QtTest>

#include "rows.h"

namespace Trade {
struct Shade
{
    enum Type : int { Light = 1, Dark = 2, Deep = 3 };
};
} // namespace Trade

using Trade::Shade;
using ShadeMap = dual_map<Shade::Type, QString>;

class tst_DualMap : public QObject
{
    Q_OBJECT

    const QString file = QStringLiteral("externals/dual_map/dual_map");
    const QString prefix = QStringLiteral("dual_map<enum Trade::Shade::Type,class QString>::");

    static ShadeMap shades()
    {
        ShadeMap map;
        map.insert(Shade::Light, QStringLiteral("Light")).insert(Shade::Dark, QStringLiteral("Dark"));
        return map;
    }

private Q_SLOTS:
    void lookupsAndDuplicates()
    {
        const ShadeMap map = shades();
        Trade::ReportRecorder reports;
        // Enumerator and the text found for it; text and the enumerator found for it: case and spaces count.
        const std::tuple<int, const char *, const char *, int> rows[] = {
            {1, "Light", "Light", 1}, {2, "Dark", "Dark", 2}, {3, "", "dark", 0}, {0, "", "Dark ", 0}, {4, "", "", 0}};
        for (const auto &[enumerator, textFound, text, enumeratorFound] : eachRow(rows)) {
            QCOMPARE(map.findKey2(Shade::Type(enumerator), QString()), QLatin1String(textFound));
            QCOMPARE(int(map.findKey1(QLatin1String(text), Shade::Type(0))), enumeratorFound);
        }
        QCOMPARE(map.findKey2(Shade::Type(99), QStringLiteral("fallback")), QStringLiteral("fallback"));
        QCOMPARE(reports.count(), 0);

        // A duplicate keeps the first pair: the text taken, the enumerator taken, both taken.
        const std::pair<int, const char *> duplicates[] = {{3, "Dark"}, {1, "Pale"}, {2, "Dark"}};
        for (const auto &[enumerator, text] : eachRow(duplicates)) {
            ShadeMap grown = shades();
            reports.clear();
            grown.insert(Shade::Type(enumerator), QLatin1String(text)).insert(Shade::Deep, QStringLiteral("Deep"));
            QCOMPARE(reports.lines(),
                     QStringList{Trade::ReportRecorder::line(file, prefix + QStringLiteral("insert"),
                                                             u"!\"both key1 and key2 must be unique\"")});
            QCOMPARE(grown.size(), 3); // the chain went on after the duplicate
            QCOMPARE(grown.findKey2(Shade::Light, QString()), QStringLiteral("Light"));
            QCOMPARE(grown.findKey1(QStringLiteral("Dark"), Shade::Type(0)), Shade::Dark);
            QCOMPARE(grown.findKey1(QStringLiteral("Pale"), Shade::Type(0)), Shade::Type(0));
        }
    }

    void nullKeys()
    {
        Trade::ReportRecorder reports;
        const ShadeMap::Nullable<QString> null;
        QCOMPARE(null.value(), QString());
        QCOMPARE(reports.lines(), QStringList{Trade::ReportRecorder::line(
                                      file, prefix + QStringLiteral("Nullable<class QString>::value"), u"!m_isNull")});

        reports.clear();
        const ShadeMap::key1bind<QString, Shade::Type> byText;
        const ShadeMap::entry nullEntry;
        const ShadeMap::entry entry(Shade::Dark, QStringLiteral("Dark"));
        QVERIFY(byText(nullEntry, entry)); // a null key sorts first ...
        QVERIFY(!byText(entry, nullEntry));
        QVERIFY(!byText(nullEntry, nullEntry)); // ... and two nulls are equal
        QCOMPARE(reports.count(), 3);
        QCOMPARE(reports.reports().first().condition, QStringLiteral("!\"both key1 and key2 must be not NULL\""));
    }
};

QTEST_GUILESS_MAIN(tst_DualMap)
#include "tst_dualmap.moc"
