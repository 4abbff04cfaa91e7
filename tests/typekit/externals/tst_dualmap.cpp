// The two-way map of enumerators and persistent texts.
#include <testsupport/reportrecorder.h>

#include <typekit/externals/dual_map/dual_map.h>

#include <QtTest/QtTest>

namespace Trade {
struct Shade
{
    enum Type : int { Light = 1, Dark = 2, Deep = 3 };
};
} // namespace Trade

using ShadeMap = dual_map<Trade::Shade::Type, QString>;

namespace {

const QString file = QStringLiteral("externals/dual_map/dual_map");
const QString prefix = QStringLiteral("dual_map<enum Trade::Shade::Type,class QString>::");

ShadeMap shades()
{
    ShadeMap map;
    map.insert(Trade::Shade::Light, QStringLiteral("Light"))
        .insert(Trade::Shade::Dark, QStringLiteral("Dark"));
    return map;
}

} // namespace

class tst_DualMap : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<int>("enumerator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("textFound");
        QTest::addColumn<int>("enumeratorFound");

        QTest::addRow("first") << 1 << "Light" << "Light" << 1;
        QTest::addRow("second") << 2 << "Dark" << "Dark" << 2;
        QTest::addRow("case differs") << 3 << "dark" << "" << 0;
        QTest::addRow("trailing space") << 0 << "Dark " << "" << 0;
        QTest::addRow("empty text") << 4 << "" << "" << 0;
    }

    void lookups()
    {
        QFETCH(int, enumerator);
        QFETCH(QString, text);
        QFETCH(QString, textFound);
        QFETCH(int, enumeratorFound);

        const ShadeMap map = shades();
        ReportRecorder reports;
        QCOMPARE(map.findKey2(Trade::Shade::Type(enumerator), QString()), textFound);
        QCOMPARE(int(map.findKey1(text, Trade::Shade::Type(0))), enumeratorFound);
        QCOMPARE(map.findKey2(Trade::Shade::Type(99), QStringLiteral("fallback")), QStringLiteral("fallback"));
        QCOMPARE(reports.count(), 0);
    }

    void duplicatesKeepTheFirstPair_data()
    {
        QTest::addColumn<int>("enumerator");
        QTest::addColumn<QString>("text");

        QTest::addRow("text taken") << 3 << "Dark";
        QTest::addRow("enumerator taken") << 1 << "Pale";
        QTest::addRow("both taken") << 2 << "Dark";
    }

    void duplicatesKeepTheFirstPair()
    {
        QFETCH(int, enumerator);
        QFETCH(QString, text);

        ShadeMap map = shades();
        ReportRecorder reports;
        map.insert(Trade::Shade::Type(enumerator), text).insert(Trade::Shade::Deep, QStringLiteral("Deep"));
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(file, prefix + QStringLiteral("insert"),
                                                  u"!\"both key1 and key2 must be unique\"")});
        QCOMPARE(map.size(), 3);  // the chain went on after the duplicate
        QCOMPARE(map.findKey2(Trade::Shade::Light, QString()), QStringLiteral("Light"));
        QCOMPARE(map.findKey1(QStringLiteral("Dark"), Trade::Shade::Type(0)), Trade::Shade::Dark);
        QCOMPARE(map.findKey1(QStringLiteral("Pale"), Trade::Shade::Type(0)), Trade::Shade::Type(0));
    }

    void nullKeys()
    {
        ReportRecorder reports;
        const ShadeMap::Nullable<QString> null;
        QVERIFY(null.isNull());
        QCOMPARE(null.value(), QString());
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(file, prefix + QStringLiteral("Nullable<class QString>::value"),
                                                  u"!m_isNull")});

        reports.clear();
        const ShadeMap::key1bind<QString, Trade::Shade::Type> byText;
        const ShadeMap::entry nullEntry;
        const ShadeMap::entry entry(Trade::Shade::Dark, QStringLiteral("Dark"));
        QVERIFY(byText(nullEntry, entry));   // a null key sorts first ...
        QVERIFY(!byText(entry, nullEntry));
        QVERIFY(!byText(nullEntry, nullEntry));  // ... and two nulls are equal
        QCOMPARE(reports.count(), 3);
        QCOMPARE(reports.reports().first().condition, QStringLiteral("!\"both key1 and key2 must be not NULL\""));
    }

    void copies()
    {
        ShadeMap map = shades();
        const ShadeMap copy = map;
        map.insert(Trade::Shade::Deep, QStringLiteral("Deep"));
        QCOMPARE(copy.size(), 2);
        QCOMPARE(copy.findKey1(QStringLiteral("Deep"), Trade::Shade::Type(0)), Trade::Shade::Type(0));
        QCOMPARE(map.findKey1(QStringLiteral("Deep"), Trade::Shade::Type(0)), Trade::Shade::Deep);
    }
};

QTEST_GUILESS_MAIN(tst_DualMap)
#include "tst_dualmap.moc"
