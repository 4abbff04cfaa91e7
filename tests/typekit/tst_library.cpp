// What loading the library sets up, and in which order: the converter meta-types and the text
// conversions that Variant finds by name, the types of the storages' change signal, and the
// version resource. Value types register lazily, when first asked for.
#include <typekit/connection/connectionstate.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtCore/QFile>
#include <QtTest/QtTest>

class tst_Library : public QObject
{
    Q_OBJECT

private slots:
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
            "Trade::SymbolCategory", "Trade::OrderState", "Trade::EventSource", "Trade::EventReason", "Trade::OrderFlags",
            "Trade::OrderStorageFilter", "Trade::PositionStorageFilter", "Trade::StorageFilter",
            "Trade::IStorage::ChangeEvent", "Trade::IRecord*", "Trade::IStorage*",
            "Trade::VariantRecordConverter", "Trade::AveragePriceConverter", "Trade::FieldSet",
            "Trade::PercentConverter", "Trade::PriceConverter", "Trade::ProfitConverter", "Trade::QuantityConverter",
            "Trade::TradeSideConverter", "Trade::VariantRecordListConverter", "Trade::SpreadLegsOrderInfoConverter"};
        int previous = QMetaType::User - 1;
        for (const QByteArray &name : order) {
            const QMetaType type = QMetaType::fromName(name);
            QVERIFY2(type.isValid(), name.constData());
            QVERIFY2(type.id() > previous, name.constData());
            previous = type.id();
        }
        for (const char *lazy : {"Trade::TradeSide", "Trade::ConnectionState", "Trade::Price", "Trade::VariantRecord"})
            QVERIFY2(!QMetaType::fromName(lazy).isValid(), lazy);
        QVERIFY(qMetaTypeId<Trade::TradeSide>() > previous);
    }

    void convertersMakeNewInstances()
    {
        const QMetaType type = QMetaType::fromName("Trade::ConnectionStateConverter");
        void *first = type.create();
        void *second = type.create();
        QVERIFY(first && second && first != second);
        type.destroy(first);
        type.destroy(second);
    }

    void textConversions()
    {
        QCOMPARE(QVariant::fromValue(Trade::SymbolCategory(Symbology::symbolTypeStock)).toString(),
                 Trade::SymbolCategory(Symbology::symbolTypeStock).toString());
        QVERIFY(!Trade::ConnectionState().isReady());
    }

    void valueTypesRegisterUnderTheirNames_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("name");
        QTest::addRow("trade side") << qMetaTypeId<Trade::TradeSide>() << QByteArray("Trade::TradeSide");
        QTest::addRow("connection state") << qMetaTypeId<Trade::ConnectionState>() << QByteArray("Trade::ConnectionState");
        QTest::addRow("symbol category") << qMetaTypeId<Trade::SymbolCategory>() << QByteArray("Trade::SymbolCategory");
    }

    void valueTypesRegisterUnderTheirNames()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, name);
        QCOMPARE(QByteArray(QMetaType(id).name()), name);
        QCOMPARE(QMetaType::fromName(name).id(), id);
    }

    void versionResource()
    {
        QFile resource(QStringLiteral(":/typekit/typekit.rc"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray script = resource.readAll();
        QVERIFY(script.contains("VERSIONINFO"));
        QVERIFY(script.contains("12,0,3598,1040"));
        QVERIFY(script.contains("\"12.0.3598.1040\""));
        QVERIFY(script.contains("\"FileDescription\", \"Trade Plugins Support Library\""));
    }
};

QTEST_GUILESS_MAIN(tst_Library)
#include "tst_library.moc"
