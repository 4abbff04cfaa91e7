// What loading the library sets up: converter meta-types, lazily registered value types and the
// version resource.
#include <typekit/connection/connectionstate.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtCore/QFile>
#include <QtTest/QtTest>

class tst_Library : public QObject
{
    Q_OBJECT

private slots:
    // The linker keeps a library only when the program calls into it; this test does.
    void initTestCase() { QVERIFY(!Trade::ConnectionState().isReady()); QVERIFY(Trade::SymbolCategory(Symbology::symbolTypeStock).isValid()); }
    void convertersRegisteredAtLoad_data();
    void convertersRegisteredAtLoad();
    void valueTypesRegisterUnderTheirNames_data();
    void valueTypesRegisterUnderTheirNames();
    void versionResource();
};

void tst_Library::convertersRegisteredAtLoad_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addRow("connection state") << QByteArray("Trade::ConnectionStateConverter");
    QTest::addRow("trade side") << QByteArray("Trade::TradeSideConverter");
}

void tst_Library::convertersRegisteredAtLoad()
{
    QFETCH(QByteArray, name);
    const QMetaType type = QMetaType::fromName(name);
    QVERIFY(type.isValid());
    QCOMPARE(QByteArray(type.name()), name);
    // Each creation is a new converter.
    void *first = type.create();
    void *second = type.create();
    QVERIFY(first && second && first != second);
    type.destroy(first);
    type.destroy(second);
}

void tst_Library::valueTypesRegisterUnderTheirNames_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addRow("trade side") << qMetaTypeId<Trade::TradeSide>() << QByteArray("Trade::TradeSide");
    QTest::addRow("connection state") << qMetaTypeId<Trade::ConnectionState>() << QByteArray("Trade::ConnectionState");
    QTest::addRow("symbol category") << qMetaTypeId<Trade::SymbolCategory>() << QByteArray("Trade::SymbolCategory");
}

void tst_Library::valueTypesRegisterUnderTheirNames()
{
    QFETCH(int, id);
    QFETCH(QByteArray, name);
    QCOMPARE(QByteArray(QMetaType(id).name()), name);
    QCOMPARE(QMetaType::fromName(name).id(), id);
}

void tst_Library::versionResource()
{
    QFile resource(QStringLiteral(":/typekit/typekit.rc"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    const QByteArray script = resource.readAll();
    QVERIFY(script.contains("VERSIONINFO"));
    QVERIFY(script.contains("12,0,3598,1040"));
    QVERIFY(script.contains("\"12.0.3598.1040\""));
    QVERIFY(script.contains("\"FileDescription\", \"Trade Plugins Support Library\""));
}

QTEST_GUILESS_MAIN(tst_Library)
#include "tst_library.moc"
