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
        // Text, how it prints (null: invalid): empty fields are dropped, fields past 16 bits or not numbers read 0.
        using Printed = std::pair<const char *, const char *>;
        for (const auto &[text, printed] : eachRow(std::array{
                 Printed("12.0.3598.1040", "12.0.3598.1040"), Printed("7", "7.0.0.0"), Printed("1..2", "1.2.0.0"),
                 Printed("1.x", "1.0.0.0"), Printed("70000.1", "0.1.0.0"), Printed("1.2.3.4.5", nullptr),
                 Printed("", nullptr), Printed("65535.65535.65535.65535", nullptr),
                 Printed("65535.65535.65535", "65535.65535.65535.0")})) {
            const Version version{QLatin1String(text)};
            QCOMPARE(version.isValid(), printed != nullptr);
            QCOMPARE(version.toString(QStringLiteral(".")),
                     QLatin1String(printed ? printed : "65535.65535.65535.65535"));
        }
        QCOMPARE(Version(1, 2, 3, 4).toString(QString()), QStringLiteral("1234"));

        // Invalid ones ("") are equal and come first; the first differing field decides.
        using Compared = std::tuple<const char *, const char *, int>;
        for (const auto &[leftText, rightText, result] :
             eachRow(std::array{Compared("", "", 0), Compared("", "0.0.0.0", -1), Compared("0.0.0.1", "", 1),
                                Compared("1.2.3.4", "1.2.3.4", 0), Compared("2", "1.65535.65535.65535", 1),
                                Compared("1.1.9.9", "1.2", -1), Compared("1.2.3.4", "1.2.3.5", -1)})) {
            const Version left{QLatin1String(leftText)}, right{QLatin1String(rightText)};
            QCOMPARE(left.compare(right), result);
            QCOMPARE(right.compare(left), -result);
            QCOMPARE(left == right, result == 0);
            QCOMPARE(left < right, result < 0);
            QCOMPARE(left > right, result > 0);
        }
    }

    void pluginVersions()
    {
        QVERIFY(!PluginVersionInfo().isCompatible());
        const PluginVersionInfo compatible(Version(12, 0, 0, 0), true), incompatible(Version(12, 0, 0, 0), false),
            older(Version(11, 9, 0, 0), true);
        QVERIFY(compatible != incompatible);                                   // the flag counts for equality ...
        QVERIFY(!(compatible < incompatible) && !(incompatible < compatible)); // ... not for order
        QVERIFY(older < incompatible);
        QCOMPARE(qHash(compatible, 7), qHash(QStringLiteral("12.0.0.0"), 7)); // the version's text alone

        PluginVersions versions;
        QVERIFY(!versions.contains(Version()));
        versions << PluginVersionInfo(Version(QStringLiteral("1.2")), false)
                 << PluginVersionInfo(Version(QStringLiteral("3.0.0.7")), true);
        QVERIFY(versions.contains(Version(1, 2, 0, 0)));
        QVERIFY(!versions.contains(Version(QStringLiteral("1.2.0.1"))));
    }
};

QTEST_GUILESS_MAIN(tst_Version)
#include "tst_version.moc"
