// Order states: predicates, display and persistent texts, and the reason invariant. Saved records keep
// a state as its numbers, "state,reason" (tst_library reads them back).
#include <testsupport/reportrecorder.h>

#include <typekit/order/orderstate.h>

#include <QtTest/QtTest>

using Trade::OrderState;

class tst_OrderState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void states_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QString>("reportCondition");

        const QString state = QStringLiteral("false && \"unexpected order state\"");
        const QString completeReason = QStringLiteral("false && \"unexpected complete reason\"");
        QTest::addRow("none") << 0 << 0 << "" << false << false << state;
        QTest::addRow("queued") << 1 << 0 << "Queued" << true << false << "";
        QTest::addRow("working") << 2 << 0 << "Working" << true << false << "";
        QTest::addRow("updating") << 3 << 0 << "Updating" << true << false << "";
        QTest::addRow("canceling") << 4 << 0 << "Canceling" << true << false << "";
        QTest::addRow("placing") << 6 << 0 << "Placing" << true << false << "";
        QTest::addRow("virtual shows queued") << 7 << 0 << "Queued" << true << false << "";
        QTest::addRow("beyond") << 8 << 0 << "" << false << false << state;
        QTest::addRow("completed, unknown reason") << 5 << 0 << "" << false << false << completeReason;
        QTest::addRow("rejected") << 5 << 1 << "Rejected" << false << false << "";
        QTest::addRow("canceled") << 5 << 2 << "Canceled" << false << false << "";
        QTest::addRow("filled") << 5 << 3 << "Filled" << false << true << "";
        QTest::addRow("completed, reason beyond") << 5 << 4 << "" << false << false << completeReason;
    }

    void states()
    {
        QFETCH(int, type);
        QFETCH(int, reason);
        QFETCH(QString, text);
        QFETCH(bool, active);
        QFETCH(bool, filled);
        QFETCH(QString, reportCondition);

        const OrderState orderState{OrderState::Type(type), OrderState::Reason(reason)};
        QCOMPARE(orderState.isActive(), active);
        QCOMPARE(orderState.isFilled(), filled);
        // One predicate per state, in the order of their values.
        const bool is[] = {orderState.isQueued(),    orderState.isWorking(),   orderState.isUpdating(),
                           orderState.isCanceling(), orderState.isCompleted(), orderState.isPlacing(),
                           orderState.isVirtual()};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(is[i], type == i + 1);

        Trade::ReportRecorder reports;
        QCOMPARE(orderState.toString(), text);
        QCOMPARE(orderState.toLatin1String(), text);
        const QString file = QStringLiteral("order/orderstate");
        const QStringList expected =
            reportCondition.isEmpty()
                ? QStringList()
                : QStringList{Trade::ReportRecorder::line(file, u"Trade::OrderState::toString", reportCondition),
                              Trade::ReportRecorder::line(file, u"Trade::OrderState::toLatin1String", reportCondition)};
        QCOMPARE(reports.lines(), expected);

        // The persistent text is the display text; reading one back resets the state and keeps the reason.
        OrderState read = orderState;
        QCOMPARE(read.toSaveableString(), text);
        read.fromSaveableString(text);
        QCOMPARE(int(read.type()), 0);
        QCOMPARE(read.reason(), OrderState::Reason(reason));
    }

    void reasonOutsideCompletedIsReported()
    {
        Trade::ReportRecorder reports;
        const OrderState odd(OrderState::Working, OrderState::reasonFilled);
        QCOMPARE(reports.lines(), QStringList{Trade::ReportRecorder::line(
                                      u"order/orderstate", u"Trade::OrderState::OrderState",
                                      u"reason == reasonUnknown || isCompleted() && \"Reason might be set "
                                      u"only when overall state is 'completed'.\"")});
        // Kept as given: the reason makes it differ from the plain state.
        QVERIFY(odd != OrderState(OrderState::Working));
        QVERIFY(OrderState(OrderState::Completed, OrderState::reasonFilled)
                == OrderState(OrderState::Completed, OrderState::reasonFilled));
        QCOMPARE(reports.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_OrderState)
#include "tst_orderstate.moc"
