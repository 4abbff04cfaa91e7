// The broker connection provider: which changes it announces, and the greeting that only a new
// subscriber receives; connection states: what each allows and their texts (their converter: tst_variantrecord).
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <typekit/connection/brokerconnectionprovider.h>
#include <typekit/connection/connectionstate.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

namespace {

// The connection each announcement gives, and the providers that made them.
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
    // A change, and every copy, is announced with the previous connection; the same connection set
    // again is not. A new subscriber alone is greeted, with the current connection.
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
        const struct
        {
            int type;
            const char *text;
            bool isReady, canConnect, canDisconnect;
        } rows[] = {{0, "", false, false, false},
                    {1, "disconnected", false, true, false},
                    {2, "connecting", false, false, true},
                    {3, "connected", true, false, true},
                    {4, "disconnecting", false, false, false},
                    {5, "", false, false, false},
                    {-1, "", false, false, false}};
        const QString unexpected =
            ReportRecorder::line(u"connection/connectionstate", u"Trade::ConnectionState::toString",
                                 u"false && \"unexpected connection state\"");
        for (const auto &row : eachRow(rows)) {
            const ConnectionState state{ConnectionState::Type(row.type)};
            QCOMPARE(state.isReady(), row.isReady);
            QCOMPARE(state.canConnect(), row.canConnect);
            QCOMPARE(state.canDisconnect(), row.canDisconnect);

            // Each text is made once and kept; a value outside the states reports, each time.
            ReportRecorder reports;
            QCOMPARE(state.toString(), QLatin1String(row.text));
            QCOMPARE(&state.toString(), &ConnectionState(state.type()).toString());
            QCOMPARE(reports.lines(), *row.text ? QStringList() : QStringList(3, unexpected));
        }
    }
};

QTEST_GUILESS_MAIN(tst_BrokerConnectionProvider)
#include "tst_brokerconnectionprovider.moc"
