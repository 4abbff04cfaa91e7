// Plug-in versions: parsing, printing, ordering, and lists of offered versions.
#include <typekit/pluginversions.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_Version : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsePrintAndCompare()
    {
        // Text and how it prints: empty fields are dropped, fields past 16 bits or not numbers read 0; four at most.
        const QString invalid = QStringLiteral("65535.65535.65535.65535");
        for (const char *row : eachRow(std::array{
                 "12.0.3598.1040|12.0.3598.1040", "7|7.0.0.0", "1..2|1.2.0.0", "1.x|1.0.0.0", "70000.1|0.1.0.0",
                 "1.2.3.4.5|", "|", "65535.65535.65535.65535|", "65535.65535.65535|65535.65535.65535.0"})) {
            const QStringList texts = QString::fromLatin1(row).split(u'|');
            const Version version(texts[0]);
            QCOMPARE(version.isValid(), !texts[1].isEmpty());
            QCOMPARE(version.toString(QStringLiteral(".")), texts[1].isEmpty() ? invalid : texts[1]);
            if (version.isValid())
                QCOMPARE(Version(version.toString(QStringLiteral("."))), version);
        }
        QCOMPARE(Version(1, 2, 3, 4).toString(QStringLiteral(", ")), QStringLiteral("1, 2, 3, 4"));
        QCOMPARE(Version(1, 2, 3, 4).toString(QString()), QStringLiteral("1234"));
        QCOMPARE(Version().toString(QStringLiteral("-")), QStringLiteral("65535-65535-65535-65535"));

        // Left, right (empty: invalid), result: invalid ones are equal and first; the first differing field decides.
        for (const char *row : eachRow(std::array{"||0", "|0.0.0.0|-1", "0.0.0.1||1", "1.2.3.4|1.2.3.4|0",
                                                  "2|1.65535.65535.65535|1", "1.1.9.9|1.2|-1", "1.2.3.4|1.2.3.5|-1"})) {
            const QStringList texts = QString::fromLatin1(row).split(u'|');
            const Version left(texts[0]), right(texts[1]);
            const int result = texts[2].toInt();
            QCOMPARE(left.compare(right), result);
            QCOMPARE(right.compare(left), -result);
            QCOMPARE(left == right, result == 0);
            QCOMPARE(left != right, result != 0);
            QCOMPARE(left < right, result < 0);
            QCOMPARE(left > right, result > 0);
            QCOMPARE(left >= right, result >= 0);
        }
    }

    void pluginVersions()
    {
        QVERIFY(!PluginVersionInfo().isCompatible());
        const PluginVersionInfo compatible(Version(QStringLiteral("12.0")), true);
        const PluginVersionInfo incompatible(Version(QStringLiteral("12.0")), false);
        const PluginVersionInfo older(Version(QStringLiteral("11.9")), true);
        QVERIFY(compatible != incompatible);                                   // the flag counts for equality ...
        QVERIFY(!(compatible < incompatible) && !(incompatible < compatible)); // ... not for order
        QVERIFY(older < incompatible);
        QCOMPARE(qHash(compatible, 7), qHash(QStringLiteral("12.0.0.0"), 7)); // the version's text alone
        QCOMPARE((QSet<PluginVersionInfo>{compatible, incompatible, older, compatible}).size(), 3);

        PluginVersions versions;
        QVERIFY(!versions.contains(Version()));
        versions << PluginVersionInfo(Version(QStringLiteral("1.2")), false)
                 << PluginVersionInfo(Version(QStringLiteral("3.0.0.7")), true);
        QVERIFY(versions.contains(Version(QStringLiteral("1.2"))));
        QVERIFY(versions.contains(Version(1, 2, 0, 0)));
        QVERIFY(!versions.contains(Version(QStringLiteral("1.2.0.1"))));
        QVERIFY(!versions.contains(Version()));
        QVERIFY(versions.contains(PluginVersionInfo(Version(QStringLiteral("3.0.0.7")), true)));
    }
};

QTEST_GUILESS_MAIN(tst_Version)
#include "tst_version.moc"
