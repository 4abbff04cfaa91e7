// What loading the library sets up, and in which order: the converter meta-types and the text
// conversions that Variant finds by name, the types of the storages' change signal, and the
// version resource. Value types register lazily, when first asked for. What it loads: the core
// libraries and Qt Core, never Qt's GUI modules.
#include <basekit/loadproblems.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtCore/QFile>
#include <QtTest/QtTest>

class tst_Library : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Custom meta-types take ids in the order they are registered, so the ids tell the order of
    // the load-time steps. It runs first, before this test asks for any type itself.
    void loadOrder()
    {
        const QByteArrayList order{
            "Trade::ConnectionStateConverter", "Trade::LogCategoryConverter", "Trade::ExitStrategyLevelConverter",
            "Trade::ExitStrategyLevelsConverter", "Trade::PyramidConverter", "Trade::StopStrategyLevelConverter",
            "Trade::StopStrategyLevelsConverter",
            // Text conversions of the enumerations without a converter, then of the values saved as numbers.
            "Trade::BracketCategory", "Trade::OrderAction", "Trade::OrderCategory", "Trade::OrderExpiry",
            "Trade::SymbolCategory", "Trade::EventSource", "Trade::EventReason", "Trade::OrderState",
            "Trade::OrderFlags", "Trade::OrderStorageFilter", "Trade::PositionStorageFilter", "Trade::StorageFilter",
            "Trade::IStorage::ChangeEvent", "Trade::IRecord*", "Trade::IStorage*", "Trade::VariantRecordConverter",
            "Trade::AveragePriceConverter", "Trade::FieldSet", "Trade::PercentConverter", "Trade::PriceConverter",
            "Trade::ProfitConverter", "Trade::QuantityConverter", "Trade::TradeSideConverter",
            "Trade::VariantRecordListConverter", "Trade::SpreadLegsOrderInfoConverter"};
        int previous = QMetaType::User - 1;
        for (const QByteArray &name : order) {
            const QMetaType type = QMetaType::fromName(name);
            QVERIFY2(type.isValid(), name.constData());
            QVERIFY2(type.id() > previous, name.constData());
            previous = type.id();
        }
        for (const char *lazy : {"Trade::TradeSide", "Trade::ConnectionState", "Trade::Price", "Trade::VariantRecord"})
            QVERIFY2(!QMetaType::fromName(lazy).isValid(), lazy);
        // Asked for by type, value types register under their names, which saved forms carry.
        const int ids[] = {qMetaTypeId<Trade::TradeSide>(), qMetaTypeId<Trade::ConnectionState>(),
                           qMetaTypeId<Trade::SymbolCategory>()};
        QVERIFY(ids[0] > previous);
        QCOMPARE(QMetaType::fromName("Trade::TradeSide").id(), ids[0]);
        QCOMPARE(QMetaType::fromName("Trade::ConnectionState").id(), ids[1]);
        QCOMPARE(QMetaType::fromName("Trade::SymbolCategory").id(), ids[2]);
    }

    // Values saved as numbers: what a saved text loads as; one that does not read gives the value
    // without one, and the load hears why.
    void savedNumbers_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<bool>("malformed");
        const auto row = [](const char *name, const char *type, const char *text, const char *loaded, bool malformed) {
            QTest::addRow("%s", name) << QByteArray(type) << QString::fromLatin1(text) << QString::fromLatin1(loaded)
                                      << malformed;
        };
        row("state", "Trade::OrderState", "5,2", "5,2", false);
        row("state, reason not completed", "Trade::OrderState", "4,2", "0,0", false);
        row("state, word", "Trade::OrderState", "4,x", "0,0", true);
        row("state, no reason", "Trade::OrderState", "4", "4,0", false);
        row("state, reason 0", "Trade::OrderState", "2,0", "2,0", false);
        row("state, completed without reason", "Trade::OrderState", "5", "5,0", false);
        row("state, three numbers", "Trade::OrderState", "5,3,1", "0,0", true);
        row("source", "Trade::EventSource", "2,3", "2,3", false);
        row("source, empty", "Trade::EventSource", "", "0,0", true);
        row("reason, free text", "Trade::EventReason", "0:a:b", "0:a:b", false);
        row("reason, no number", "Trade::EventReason", "x:text", "0:", true);
        row("reason, no colon", "Trade::EventReason", "3", "0:", true);
        row("reason, nothing before the colon", "Trade::EventReason", ":text", "0:", true);
        row("flags, unknown bits", "Trade::OrderFlags", "7", "3", false);
        row("flags, word", "Trade::OrderFlags", "all", "0", true);
        row("symbol category", "Trade::SymbolCategory", "14", "14", false);
    }

    void savedNumbers()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, text);
        QFETCH(QString, loaded);
        QFETCH(bool, malformed);
        Trade::LoadProblems problems;
        QVariant value(text);
        QVERIFY(value.convert(QMetaType::fromName(type)));
        QCOMPARE(value.toString(), loaded);
        QCOMPARE(problems.problems().size(), malformed ? 1 : 0);
        if (malformed) {
            QCOMPARE(problems.problems().constFirst().kind, Trade::LoadProblem::MalformedText);
            QCOMPARE(problems.problems().constFirst().typeName, QString::fromLatin1(type));
        }
    }

    void versionResource()
    {
        QFile resource(QStringLiteral(":/typekit/typekit.rc"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray script = resource.readAll();
        for (const char *text : {"VERSIONINFO", "12,0,3598,1040", "\"12.0.3598.1040\"",
                                 "\"FileDescription\", \"Trade Plugins Support Library\""})
            QVERIFY2(script.contains(text), text);
    }

    // This test links the core libraries, the sample host and the test support, as a plug-in's
    // test does: the core is in the process's memory map, and Qt's GUI modules are not.
    void loadedLibraries_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<bool>("loaded");
        for (const char *library : {"servicekit", "basekit", "notifierkit", "controlkit", "typekit", "Qt6Core"})
            QTest::addRow("%s", library) << QString::fromLatin1(library) << true;
        for (const char *library : {"Qt6Gui", "Qt6Widgets", "widgetkit"})
            QTest::addRow("%s", library) << QString::fromLatin1(library) << false;
    }

    void loadedLibraries()
    {
        QFETCH(QString, library);
        QFETCH(bool, loaded);
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
            QSKIP("no /proc/self/maps on this system");
        const QByteArray name = "/lib" + library.toLatin1() + ".so";
        QCOMPARE(maps.readAll().contains(name), loaded);
    }
};

QTEST_GUILESS_MAIN(tst_Library)
#include "tst_library.moc"
