// Connection states: what each allows, their texts, and their converter.
#include <testsupport/reportrecorder.h>

#include <typekit/connection/connectionstate.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

class tst_ConnectionState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void states()
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

    void converter()
    {
        const Variant connected = Variant::fromValue(ConnectionState(ConnectionState::Connected));
        ReportRecorder reports;
        QCOMPARE(connected.toString(), QStringLiteral("connected"));
        ConnectionStateConverter converter;
        QVERIFY(!converter.toVariant(connected).isValid());
        // A variant without a state reads as state 0, whose text reports.
        QCOMPARE(converter.toString(Variant(3)), QString());
        QCOMPARE(reports.count(), 1);
        // Comparison is not supported by this converter.
        QVERIFY(connected == Variant::fromValue(ConnectionState(ConnectionState::Disconnected)));
        QCOMPARE(reports.reports().last().function, QStringLiteral("Trade::StubConverterImpl::compare"));
    }
};

QTEST_GUILESS_MAIN(tst_ConnectionState)
#include "tst_connectionstate.moc"
