// The journal's test, on the sample host: its market (topics, symbols, accounts, an order
// storage) stands in for the trading host, and the recorder takes the library's reports, so that
// the test can say which ones the plug-in's code made.
#include "orderjournal.h"
#include "workingorders.h"

#include <samplehost/market.h>
#include <testsupport/reportrecorder.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QtTest>

class tst_OrderJournal : public QObject
{
    Q_OBJECT

    // The host's side, new for each test: what one test leaves in the storage or changes on a
    // symbol is not where the next one starts. The recorder of each test takes the library's
    // reports.
    std::unique_ptr<Sample::Market> market;
    QTemporaryDir directory;

    // An order of three lots, as the plug-in sends it.
    Trade::OrderRecord order(Trade::IAccount *account)
    {
        Trade::OrderRecord order;
        order.setId(QStringLiteral("A-1"));
        order.setSymbol(&market->es);
        order.setAccount(account);
        order.setAction(Trade::OrderAction::Buy);
        order.setCategory(Trade::OrderCategory::Limit);
        order.setLimitPrice(Trade::Price(QStringLiteral("5012.25"), &market->es));
        order.setQuantity(Trade::Quantity::fromLots(3, &market->es));
        order.setState(Trade::OrderState(Trade::OrderState::Working));
        return order;
    }

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }
    void saveAndLoad();
    void accountGone();
    void fills_data();
    void fills();
    void reportsOfMisuse();
    void keeperFollowsTheStorage();
    void workingOrdersFollowTheStorage();
};

void tst_OrderJournal::saveAndLoad()
{
    Trade::ReportRecorder reports;
    OrderJournal journal(directory.path());
    const Trade::OrderRecord sent = order(&market->account);
    QVERIFY2(journal.save(sent), qPrintable(journal.error()));

    const Trade::OrderRecord loaded = journal.load(QStringLiteral("A-1"));
    QVERIFY(loaded == sent);
    QCOMPARE(loaded.symbol(), &market->es);
    QVERIFY(journal.problems().isEmpty());
    QCOMPARE(reports.count(), 0);

    journal.load(QStringLiteral("A-2")); // never saved
    QCOMPARE(journal.problems().size(), 1);
    QCOMPARE(journal.problems().first().kind, Trade::LoadProblem::UnreadableFile);
}

void tst_OrderJournal::accountGone()
{
    // The account the order was saved with is closed before the plug-in reads it back: no order
    // loads, the load lists the account with its saved form, and the host logs the identifier it
    // could not find as an error. None of this is a report.
    OrderJournal journal(directory.path());
    {
        Sample::Account closed(QStringLiteral("SIM-3"));
        QVERIFY(journal.save(order(&closed)));
    }
    Trade::ReportRecorder reports;
    QVERIFY(journal.load(QStringLiteral("A-1")).isEmpty());
    QCOMPARE(journal.problems().size(), 1);
    const Trade::LoadProblem &problem = journal.problems().first();
    QCOMPARE(problem.kind, Trade::LoadProblem::UnresolvedReference);
    QCOMPARE(problem.reference, Trade::LoadProblem::AccountReference);
    QCOMPARE(problem.key, QStringLiteral("SIM-3"));
    QCOMPARE(problem.saved.asAtom().value(), QStringLiteral("SIM-3"));
    QCOMPARE(reports.count(), 0);
    QCOMPARE(reports.logs().size(), 1);
    QCOMPARE(reports.logs().first().severity, 4);
    QVERIFY(reports.logs().first().text.contains(QStringLiteral("SIM-3")));
}

void tst_OrderJournal::fills_data()
{
    QTest::addColumn<double>("filledLots");
    QTest::addColumn<double>("remainingLots");
    QTest::addColumn<bool>("completed");
    QTest::newRow("nothing") << 0.0 << 3.0 << false;
    QTest::newRow("one lot") << 1.0 << 2.0 << false;
    QTest::newRow("all") << 3.0 << 0.0 << true;
}

void tst_OrderJournal::fills()
{
    QFETCH(double, filledLots);
    QFETCH(double, remainingLots);
    QFETCH(bool, completed);
    Trade::ReportRecorder reports;
    const Trade::OrderRecord filled =
        OrderJournal::applyFill(order(&market->account), Trade::Quantity::fromLots(filledLots, &market->es));
    QCOMPARE(OrderJournal::remaining(filled), Trade::Quantity::fromLots(remainingLots, &market->es));
    QCOMPARE(filled.state().isFilled(), completed);
    QCOMPARE(filled.state().isWorking(), !completed);
    QCOMPARE(filled.limitPrice(), Trade::Price(QStringLiteral("5012.25"), &market->es)); // the rest stays
    QCOMPARE(reports.count(), 0);
}

void tst_OrderJournal::reportsOfMisuse()
{
    // A read the library documents as reporting: the action of an order that has none. The
    // record reports the missing field, then the typed read the value it cannot convert; both
    // give the neutral result.
    Trade::ReportRecorder reports;
    Trade::OrderRecord order;
    QVERIFY(!order.action().isValid());
    QCOMPARE(
        reports.lines(),
        QStringList({Trade::ReportRecorder::line(
                         u"variant/variantrecord", u"Trade::VariantRecord::rawValue", u"it != m_data.end()",
                         Trade::ReportRecorder::quoted(u"Key specified does not exist. Field=\"Order.Action\"")),
                     Trade::ReportRecorder::line(u"trade/common/export/include/variant", u"Trade::Variant::strongValue",
                                                 u"!\"unexpected data type or null value\"")}));
}

// The keeper saves what the storage holds when it starts, then each order that comes in or
// changes; once the keeper is gone the storage's changes reach nobody.
void tst_OrderJournal::keeperFollowsTheStorage()
{
    Trade::ReportRecorder reports;
    QTemporaryDir keptIn;
    OrderJournal journal(keptIn.path());
    Sample::OrderStorage &orders = market->orders;
    orders.addOrder(order(&market->account));

    auto *keeper = new OrderJournalKeeper(journal, &orders);
    QCOMPARE(keeper->saved(), 1); // greeted with the storage's contents
    QVERIFY(journal.load(QStringLiteral("A-1")) == orders.order(QStringLiteral("A-1")));

    Trade::OrderRecord second = order(&market->account);
    second.setId(QStringLiteral("A-2"));
    orders.addOrder(second);
    orders.updateOrder(
        OrderJournal::applyFill(orders.order(QStringLiteral("A-1")), Trade::Quantity::fromLots(3, &market->es)));
    QCOMPARE(keeper->saved(), 3);
    QCOMPARE(keeper->failed(), 0);
    QVERIFY(journal.load(QStringLiteral("A-2")) == second);
    QVERIFY(journal.load(QStringLiteral("A-1")).state().isFilled());

    delete keeper;
    Trade::OrderRecord third = order(&market->account);
    third.setId(QStringLiteral("A-3"));
    orders.addOrder(third);
    QVERIFY(journal.load(QStringLiteral("A-3")).isEmpty()); // never saved
    QCOMPARE(reports.count(), 0);
}

// The panel shows the working orders by price, highest first, as the host's storage changes;
// Qt's model tester watches every signal the rows send.
void tst_OrderJournal::workingOrdersFollowTheStorage()
{
    Trade::ReportRecorder reports;
    Sample::OrderStorage &orders = market->orders;
    const auto send = [&](const char *id, Trade::OrderAction::Type action, const char *price) {
        Trade::OrderRecord sent = order(&market->account);
        sent.setId(QString::fromLatin1(id));
        sent.setAction(action);
        sent.setLimitPrice(Trade::Price(QString::fromLatin1(price), &market->es));
        orders.addOrder(sent);
    };
    send("A-1", Trade::OrderAction::Buy, "999.75"); // by text it would come first
    send("A-2", Trade::OrderAction::Sell, "5031.50");

    WorkingOrders panel(&orders);
    QAbstractItemModelTester tester(panel.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(panel.model()->headerData(WorkingOrders::LimitPriceColumn, Qt::Horizontal).toString(),
             QStringLiteral("Limit Price"));
    QCOMPARE(panel.summary(), QStringLiteral("2 working: Sell 3 @ 5031.50, Buy 3 @ 999.75"));

    send("A-3", Trade::OrderAction::Buy, "5012.25"); // takes its place by price
    orders.updateOrder(
        OrderJournal::applyFill(orders.order(QStringLiteral("A-2")), Trade::Quantity::fromLots(3, &market->es)));
    QCOMPARE(panel.summary(), QStringLiteral("2 working: Buy 3 @ 5012.25, Buy 3 @ 999.75"));

    orders.clear();
    QCOMPARE(panel.summary(), QStringLiteral("No working orders"));
    QCOMPARE(reports.count(), 0);
}

QTEST_GUILESS_MAIN(tst_OrderJournal)
#include "tst_orderjournal.moc"
