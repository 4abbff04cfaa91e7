// The broker connection provider: which changes it announces, and the greeting that only a new
// subscriber receives.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <typekit/connection/brokerconnectionprovider.h>

#include <QtTest/QtTest>

namespace {

using Heard = QPair<Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *>;

class Listener : public QObject
{
    Q_OBJECT

public:
    QList<Heard> heard;

public slots:
    void slot_connectionChanged(Trade::IBrokerConnection *previous, Trade::IBrokerConnectionProvider *provider)
    {
        heard.append({previous, provider});
    }
};

} // namespace

class tst_BrokerConnectionProvider : public QObject
{
    Q_OBJECT

private slots:
    // A change, and every copy, is announced with the previous connection; the same connection set
    // again is not.
    void announcesChanges()
    {
        Sample::Connection first(QStringLiteral("first"));
        Sample::Connection second(QStringLiteral("second"));
        Trade::BrokerConnectionProvider provider;
        Trade::BrokerConnectionProvider source;
        source.setBrokerConnection(&second);
        provider.setBrokerConnection(&first);
        QSignalSpy spy(&provider, &Trade::BrokerConnectionProvider::connectionChanged);

        provider.setBrokerConnection(&first);
        provider.setBrokerConnection(nullptr);
        provider.copyFrom(&source);
        provider.copyFrom(&source);
        provider.copyFrom(nullptr);
        QCOMPARE(provider.brokerConnection(), nullptr);
        QList<Trade::IBrokerConnection *> previous;
        for (const QList<QVariant> &arguments : spy) {
            previous << arguments.at(0).value<Trade::IBrokerConnection *>();
            QCOMPARE(arguments.at(1).value<Trade::IBrokerConnectionProvider *>(), &provider);
        }
        QCOMPARE(previous, QList<Trade::IBrokerConnection *>({&first, nullptr, &second, &second}));
    }

    void greetsOnlyTheNewSubscriber()
    {
        ReportRecorder recorder;
        Sample::Connection connection(QStringLiteral("live"));
        Trade::BrokerConnectionProvider provider;
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
};

QTEST_GUILESS_MAIN(tst_BrokerConnectionProvider)
#include "tst_brokerconnectionprovider.moc"
