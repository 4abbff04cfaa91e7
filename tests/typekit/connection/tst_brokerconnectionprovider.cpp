// The broker connection provider: which changes it announces, and the greeting that only a new
// subscriber receives.
#include "reportrecorder.h"

#include <samplehost/symbol.h>
#include <typekit/connection/brokerconnectionprovider.h>

#include <QtTest/QtTest>

#include <functional>

namespace {

class Listener : public QObject
{
    Q_OBJECT

public:
    QList<QPair<Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *>> heard;

public slots:
    void slot_connectionChanged(Trade::IBrokerConnection *previous, Trade::IBrokerConnectionProvider *provider)
    {
        heard.append({previous, provider});
    }
};

struct World
{
    Sample::Connection first{QStringLiteral("first")};
    Sample::Connection second{QStringLiteral("second")};
    Trade::BrokerConnectionProvider provider;
    Trade::BrokerConnectionProvider source;
};
using Change = std::function<void(World &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_BrokerConnectionProvider : public QObject
{
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void greetsOnlyTheNewSubscriber();
};

void tst_BrokerConnectionProvider::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("connectionAfter");  // name, or empty for none
    QTest::addColumn<QByteArray>("previousHeard");    // per emission: the previous connection's name, "-" for none

    // The provider starts on "first"; the source holds "second".
    QTest::addRow("same connection") << Change([](World &w) { w.provider.setBrokerConnection(&w.first); })
                                     << QByteArray("first") << QByteArray();
    QTest::addRow("another connection") << Change([](World &w) { w.provider.setBrokerConnection(&w.second); })
                                        << QByteArray("second") << QByteArray("first");
    QTest::addRow("none after one") << Change([](World &w) { w.provider.setBrokerConnection(nullptr); })
                                    << QByteArray() << QByteArray("first");
    QTest::addRow("copy of another") << Change([](World &w) { w.provider.copyFrom(&w.source); })
                                     << QByteArray("second") << QByteArray("first");
    QTest::addRow("copy of the same") << Change([](World &w) {
        w.source.setBrokerConnection(&w.first);
        w.provider.copyFrom(&w.source);
    }) << QByteArray("first") << QByteArray("first");
    QTest::addRow("copy of nothing") << Change([](World &w) { w.provider.copyFrom(nullptr); }) << QByteArray()
                                     << QByteArray("first");
}

void tst_BrokerConnectionProvider::changes()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, connectionAfter);
    QFETCH(QByteArray, previousHeard);

    World world;
    world.provider.setBrokerConnection(&world.first);
    world.source.setBrokerConnection(&world.second);
    QSignalSpy spy(&world.provider, &Trade::BrokerConnectionProvider::connectionChanged);
    change(world);

    const auto name = [](const Trade::IBrokerConnection *connection) {
        return connection ? connection->name().toLatin1() : QByteArray();
    };
    QCOMPARE(name(world.provider.brokerConnection()), connectionAfter);
    QByteArray heard;
    for (const QList<QVariant> &arguments : spy) {
        const auto previous = arguments.at(0).value<Trade::IBrokerConnection *>();
        heard += previous ? name(previous) : QByteArray("-");
        QCOMPARE(arguments.at(1).value<Trade::IBrokerConnectionProvider *>(), &world.provider);
    }
    QCOMPARE(heard, previousHeard);
}

void tst_BrokerConnectionProvider::greetsOnlyTheNewSubscriber()
{
    ReportRecorder recorder;
    Sample::Connection connection(QStringLiteral("live"));
    Trade::BrokerConnectionProvider provider;
    using Heard = QPair<Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *>;
    Listener early;
    provider.subscribe(&early);
    QCOMPARE(early.heard, QList({Heard(nullptr, &provider)}));  // greeted without a connection too

    provider.setBrokerConnection(&connection);
    Listener late;
    provider.subscribe(&late);
    QCOMPARE(late.heard, QList({Heard(&connection, &provider)}));
    QCOMPARE(early.heard, QList({Heard(nullptr, &provider), Heard(nullptr, &provider)}));  // the change alone
    QCOMPARE(recorder.count(), 0);
}

QTEST_GUILESS_MAIN(tst_BrokerConnectionProvider)
#include "tst_brokerconnectionprovider.moc"
