#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <typekit/connection/brokerconnectionprovider.h>
#include <typekit/connection/connectionstate.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

namespace {

class Listener : public QObject
{
    Q_OBJECT

public:
    QList<Trade::IBrokerConnection *> heard;
    QList<Trade::IBrokerConnectionProvider *> providers;

public Q_SLOTS:
    void slot_connectionChanged(Trade::IBrokerConnection *connection, Trade::IBrokerConnectionProvider *provider)
    {
        heard << connection;
        providers << provider;
    }
};

} // namespace

class tst_BrokerConnectionProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A change or copy announces the previous connection, a repeated set nothing; only a new subscriber is greeted.
    void announcements()
    {
        Trade::ReportRecorder recorder;
        Sample::Connection first(QStringLiteral("first")), second(QStringLiteral("second"));
        Trade::BrokerConnectionProvider provider, source;
        source.setBrokerConnection(&second);
        Listener early, late;
        provider.subscribe(&early); // greeted without a connection too
        provider.setBrokerConnection(&first);
        provider.subscribe(&late);
        provider.setBrokerConnection(&first);
        provider.setBrokerConnection(nullptr);
        provider.copyFrom(&source);
        provider.copyFrom(&source);
        provider.copyFrom(nullptr);
        QCOMPARE(provider.brokerConnection(), nullptr);
        QCOMPARE(early.heard, QList<Trade::IBrokerConnection *>({nullptr, nullptr, &first, nullptr, &second, &second}));
        QCOMPARE(late.heard, QList<Trade::IBrokerConnection *>({&first, &first, nullptr, &second, &second}));
        QCOMPARE(early.providers + late.providers, QList<Trade::IBrokerConnectionProvider *>(11, &provider));
        QCOMPARE(recorder.count(), 0);
    }

    void connectionStates()
    {
        const QString unexpected =
            ReportRecorder::line(u"connection/connectionstate", u"Trade::ConnectionState::toString",
                                 u"false && \"unexpected connection state\"");
        // Type, text, is ready, can connect, can disconnect.
        using Row = std::tuple<int, const char *, bool, bool, bool>;
        for (const auto &[type, text, isReady, canConnect, canDisconnect] :
             eachRow(std::array{Row(0, "", false, false, false), Row(1, "disconnected", false, true, false),
                                Row(2, "connecting", false, false, true), Row(3, "connected", true, false, true),
                                Row(4, "disconnecting", false, false, false), Row(5, "", false, false, false)})) {
            const ConnectionState state{ConnectionState::Type(type)};
            QCOMPARE(state.isReady(), isReady);
            QCOMPARE(state.canConnect(), canConnect);
            QCOMPARE(state.canDisconnect(), canDisconnect);

            // Each text is made once and kept; a value outside the states reports, each time.
            ReportRecorder reports;
            QCOMPARE(state.toString(), QLatin1String(text));
            QCOMPARE(&state.toString(), &ConnectionState(state.type()).toString());
            QCOMPARE(reports.lines(), *text ? QStringList() : QStringList(3, unexpected));
        }
    }
};

QTEST_GUILESS_MAIN(tst_BrokerConnectionProvider)
#include "tst_brokerconnectionprovider.moc"
