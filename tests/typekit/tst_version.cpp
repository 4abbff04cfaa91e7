// Plug-in versions: parsing, printing, ordering, and lists of offered versions.
#include <typekit/pluginversions.h>

#include <QtTest/QtTest>

using Trade::PluginVersionInfo;
using Trade::PluginVersions;
using Trade::Version;

Q_DECLARE_METATYPE(Trade::Version)

class tst_Version : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dotted");
        QTest::addColumn<bool>("valid");

        const QString invalid = QStringLiteral("65535.65535.65535.65535");
        QTest::addRow("four parts") << "12.0.3598.1040" << "12.0.3598.1040" << true;
        QTest::addRow("one part") << "7" << "7.0.0.0" << true;
        QTest::addRow("empty parts dropped") << "1..2" << "1.2.0.0" << true;
        QTest::addRow("not a number reads 0") << "1.x" << "1.0.0.0" << true;
        QTest::addRow("beyond 16 bits reads 0") << "70000.1" << "0.1.0.0" << true;
        QTest::addRow("five parts") << "1.2.3.4.5" << invalid << false;
        QTest::addRow("empty") << "" << invalid << false;
        QTest::addRow("all 65535") << "65535.65535.65535.65535" << invalid << false;
        QTest::addRow("three 65535") << "65535.65535.65535" << "65535.65535.65535.0" << true;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, dotted);
        QFETCH(bool, valid);

        const Version version(text);
        QCOMPARE(version.isValid(), valid);
        QCOMPARE(version.toString(QStringLiteral(".")), dotted);
        if (valid)
            QCOMPARE(Version(version.toString(QStringLiteral("."))), version);
    }

    void separators()
    {
        QCOMPARE(Version(1, 2, 3, 4).toString(QStringLiteral(", ")), QStringLiteral("1, 2, 3, 4"));
        QCOMPARE(Version(1, 2, 3, 4).toString(QString()), QStringLiteral("1234"));
        QCOMPARE(Version().toString(QStringLiteral("-")), QStringLiteral("65535-65535-65535-65535"));
    }

    void compare_data()
    {
        QTest::addColumn<Version>("left");
        QTest::addColumn<Version>("right");
        QTest::addColumn<int>("result");

        QTest::addRow("both invalid") << Version() << Version() << 0;
        QTest::addRow("invalid before 0.0.0.0") << Version() << Version(0, 0, 0, 0) << -1;
        QTest::addRow("valid after invalid") << Version(0, 0, 0, 1) << Version() << 1;
        QTest::addRow("equal") << Version(1, 2, 3, 4) << Version(QStringLiteral("1.2.3.4")) << 0;
        QTest::addRow("major decides") << Version(2, 0, 0, 0) << Version(1, 65535, 65535, 65535) << 1;
        QTest::addRow("minor decides") << Version(1, 1, 9, 9) << Version(1, 2, 0, 0) << -1;
        QTest::addRow("revision decides") << Version(1, 2, 3, 4) << Version(1, 2, 3, 5) << -1;
    }

    void compare()
    {
        QFETCH(Version, left);
        QFETCH(Version, right);
        QFETCH(int, result);

        QCOMPARE(left.compare(right), result);
        QCOMPARE(right.compare(left), -result);
        QCOMPARE(left == right, result == 0);
        QCOMPARE(left != right, result != 0);
        QCOMPARE(left < right, result < 0);
        QCOMPARE(left > right, result > 0);
        QCOMPARE(left >= right, result >= 0);
    }

    void pluginVersionInfo()
    {
        const PluginVersionInfo none;
        QVERIFY(!none.isValid());
        QVERIFY(!none.isCompatible());

        const PluginVersionInfo compatible(Version(QStringLiteral("12.0")), true);
        const PluginVersionInfo incompatible(Version(QStringLiteral("12.0")), false);
        const PluginVersionInfo older(Version(QStringLiteral("11.9")), true);
        QVERIFY(compatible.isValid());
        QVERIFY(compatible != incompatible);  // the flag counts for equality ...
        QVERIFY(!(compatible < incompatible) && !(incompatible < compatible));  // ... not for order
        QVERIFY(older < incompatible);
        QCOMPARE(qHash(compatible), qHash(incompatible));
        QCOMPARE(qHash(compatible, 7), qHash(QStringLiteral("12.0.0.0"), 7));

        QSet<PluginVersionInfo> set{compatible, incompatible, older, compatible};
        QCOMPARE(set.size(), 3);
    }

    void pluginVersions()
    {
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
