// Plug-in versions: parsing, printing, ordering, and lists of offered versions.
#include <typekit/pluginversions.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_Version : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseAndPrint()
    {
        // Empty parts are dropped; parts that are no 16-bit number read 0; four parts at most.
        const char *const invalid = "65535.65535.65535.65535";
        const std::tuple<const char *, const char *, bool> rows[] = {
            {"12.0.3598.1040", "12.0.3598.1040", true},
            {"7", "7.0.0.0", true},
            {"1..2", "1.2.0.0", true},
            {"1.x", "1.0.0.0", true},
            {"70000.1", "0.1.0.0", true},
            {"1.2.3.4.5", invalid, false},
            {"", invalid, false},
            {invalid, invalid, false},
            {"65535.65535.65535", "65535.65535.65535.0", true}};
        for (const auto &[text, dotted, valid] : eachRow(rows)) {
            const Version version{QLatin1String(text)};
            QCOMPARE(version.isValid(), valid);
            QCOMPARE(version.toString(QStringLiteral(".")), QLatin1String(dotted));
            if (valid)
                QCOMPARE(Version(version.toString(QStringLiteral("."))), version);
        }
        QCOMPARE(Version(1, 2, 3, 4).toString(QStringLiteral(", ")), QStringLiteral("1, 2, 3, 4"));
        QCOMPARE(Version(1, 2, 3, 4).toString(QString()), QStringLiteral("1234"));
        QCOMPARE(Version().toString(QStringLiteral("-")), QStringLiteral("65535-65535-65535-65535"));
    }

    void compare()
    {
        // Two invalid versions are equal, an invalid one comes before any valid one; the higher part decides.
        const std::tuple<Version, Version, int> rows[] = {{Version(), Version(), 0},
                                                          {Version(), Version(0, 0, 0, 0), -1},
                                                          {Version(0, 0, 0, 1), Version(), 1},
                                                          {Version(1, 2, 3, 4), Version(QStringLiteral("1.2.3.4")), 0},
                                                          {Version(2, 0, 0, 0), Version(1, 65535, 65535, 65535), 1},
                                                          {Version(1, 1, 9, 9), Version(1, 2, 0, 0), -1},
                                                          {Version(1, 2, 3, 4), Version(1, 2, 3, 5), -1}};
        for (const auto &[left, right, result] : eachRow(rows)) {
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
