// Connection states: what each allows, their texts, and their converter.
#include <testsupport/reportrecorder.h>

#include <typekit/connection/connectionstate.h>

#include <QtTest/QtTest>

using Trade::ConnectionState;
using Trade::Variant;

class tst_ConnectionState : public QObject
{
    Q_OBJECT

private slots:
    void states_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isReady");
        QTest::addColumn<bool>("canConnect");
        QTest::addColumn<bool>("canDisconnect");

        QTest::addRow("none") << 0 << "" << false << false << false;
        QTest::addRow("disconnected") << 1 << "disconnected" << false << true << false;
        QTest::addRow("connecting") << 2 << "connecting" << false << false << true;
        QTest::addRow("connected") << 3 << "connected" << true << false << true;
        QTest::addRow("disconnecting") << 4 << "disconnecting" << false << false << false;
        QTest::addRow("beyond") << 5 << "" << false << false << false;
        QTest::addRow("negative") << -1 << "" << false << false << false;
    }

    void states()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(bool, isReady);
        QFETCH(bool, canConnect);
        QFETCH(bool, canDisconnect);

        const ConnectionState state{ConnectionState::Type(type)};
        QCOMPARE(state.isReady(), isReady);
        QCOMPARE(state.isNotReady(), !isReady);
        QCOMPARE(state.canConnect(), canConnect);
        QCOMPARE(state.canDisconnect(), canDisconnect);

        ReportRecorder reports;
        QCOMPARE(state.toString(), text);
        const QStringList expected = text.isEmpty()
            ? QStringList{ReportRecorder::line(u"connection/connectionstate", u"Trade::ConnectionState::toString",
                                               u"false && \"unexpected connection state\"")}
            : QStringList();
        QCOMPARE(reports.lines(), expected);
    }

    void textsAreMadeOnce()
    {
        ReportRecorder reports;
        const ConnectionState connected(ConnectionState::Connected);
        QCOMPARE(&connected.toString(), &ConnectionState(ConnectionState::Connected).toString());
        QVERIFY(&connected.toString() != &ConnectionState(ConnectionState::Connecting).toString());
        QCOMPARE(&ConnectionState().toString(), &ConnectionState(ConnectionState::Type(9)).toString());
        QCOMPARE(reports.count(), 2);
    }

    void converter()
    {
        const Variant connected = Variant::fromValue(ConnectionState(ConnectionState::Connected));
        ReportRecorder reports;
        QCOMPARE(connected.toString(), QStringLiteral("connected"));
        Trade::ConnectionStateConverter converter;
        QVERIFY(!converter.toVariant(connected).isValid());
        QCOMPARE(reports.count(), 0);
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
