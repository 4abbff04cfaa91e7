#include <testsupport/reportrecorder.h>

#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderstate.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <atomic>
#include <thread>
#include <tuple>

using namespace Trade;

namespace {

// What a value shows, saves and reports, and what `text` reads back as over the value 2 (nothing gives 0).
template <typename T>
QStringList observe(int value, const QString &text)
{
    ReportRecorder reports;
    const T enumeration{typename T::Type(value)};
    QStringList observed{enumeration.toString(), enumeration.toSaveableString(), reports.lines().join(u'|')};
    T read{typename T::Type(2)};
    read.fromSaveableString(text);
    return observed << QString::number(int(read.type()));
}

QStringList observe(const QString &kind, int value, const QString &text)
{
    return kind == u"action"     ? observe<OrderAction>(value, text)
           : kind == u"category" ? observe<OrderCategory>(value, text)
           : kind == u"expiry"   ? observe<OrderExpiry>(value, text)
                                 : observe<BracketCategory>(value, text);
}

QString unexpected(const char *file, const char *function, const char *what)
{
    return ReportRecorder::line(QString::fromLatin1(file), QString::fromLatin1(function),
                                QStringLiteral("false && \"%1\"").arg(QLatin1String(what)));
}

} // namespace

class tst_OrderEnumerations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("persistent");
        QTest::addColumn<QString>("reports");

        using Texts = QList<const char *>;
        const auto add = [](const char *kind, const Texts &display, const Texts &persistent, const QString &report) {
            for (int value = 0; value < display.size(); ++value) {
                const QString text = QString::fromLatin1(display.at(value));
                QTest::addRow("%s %d", kind, value)
                    << QString::fromLatin1(kind) << value << text
                    << (persistent.isEmpty() ? text : QString::fromLatin1(persistent.at(value)))
                    << (text.isEmpty() ? report : QString());
            }
        };
        add("action", {"", "Buy", "Sell", "Sell Short", "Buy To Cover", ""}, {},
            unexpected("order/orderaction", "Trade::OrderAction::toString", "unexpected order action"));
        add("category", {"", "Market", "Limit", "Stop", "StopLimit", "Limit At Ask", "Limit At Bid", ""}, {},
            QString());
        add("expiry",
            {"", "Good Till Cancel", "Good Till Cancel Ext", "Good Till Date", "Day Order", "Day Order Ext", "Am", "Pm",
             "MOC", "Immediate Or Cancel", "Day NB", "Extended Hours", "At The Opening", "Fill Or Kill", "OPG", ""},
            {"", "GoodTillCancel", "GoodTillCancelExt", "GoodTillDate", "DayOrder", "DayExt", "Am", "Pm", "MOC",
             "ImmediateOrCancel", "DayNB", "ExtendetHours", "AtTheOpening", "FillOrKill", "OPG", ""},
            unexpected("order/orderexpiry", "Trade::OrderExpiry::toString", "unexpected order expiry"));
        add("bracket",
            {"", "None", "StopLoss", "TakeProfit", "StopLossTakeProfit", "TrailingStop", "TrailingStopTakeProfit", ""},
            {}, unexpected("order/bracketcategory", "Trade::BracketCategory::toString", "unexpected bracket category"));
    }

    void texts()
    {
        QFETCH(QString, kind);
        QFETCH(int, value);
        QFETCH(QString, display);
        QFETCH(QString, persistent);
        QFETCH(QString, reports);
        QCOMPARE(observe(kind, value, persistent),
                 QStringList({display, persistent, reports, QString::number(persistent.isEmpty() ? 0 : value)}));
        // Only the exact persistent text reads back: no other spelling (extended hours keeps its old one) or spacing.
        for (const char *text : {"ExtendedHours", "Extended Hours", "buy", "Sell "})
            QCOMPARE(observe(kind, 1, QString::fromLatin1(text)).last(), u"0");
    }

    // Sides, reversals, bracket legs and state reasons; a value that has none reports each use and answers false.
    void predicates()
    {
        using Row = std::tuple<OrderAction::Type, bool, bool, bool, OrderAction::Type>;
        const Row rows[] = {{OrderAction::Buy, true, false, true, OrderAction::SellShort},
                            {OrderAction::Sell, false, true, false, OrderAction::BuyToCover},
                            {OrderAction::SellShort, false, true, true, OrderAction::Buy},
                            {OrderAction::BuyToCover, true, false, false, OrderAction::Sell}};
        ReportRecorder reports;
        for (const auto &[value, isBuy, isSell, isOpen, reverse] : eachRow(rows)) {
            const OrderAction action{value};
            QCOMPARE(action.isBuy(), isBuy);
            QCOMPARE(action.isSell(), isSell);
            QCOMPARE(action.isOpen(), isOpen);
            QCOMPARE(OrderAction::Type(action.reverseSide()), reverse);
            QCOMPARE(OrderAction::Type(OrderAction(isBuy, isOpen)), value);
        }
        const auto reversed = [](OrderCategory::Type type) { return OrderCategory(type).reverseLimitBidAsk().type(); };
        QCOMPARE(reversed(OrderCategory::LimitAtBid), OrderCategory::LimitAtAsk);
        QCOMPARE(reversed(OrderCategory::LimitAtAsk), OrderCategory::LimitAtBid);
        const char *const legs[] = {"", "", "S", "T", "ST", "", ""}; // stop loss, take profit
        for (int value = 0; value < int(std::size(legs)); ++value) {
            const BracketCategory bracket{BracketCategory::Type(value)};
            QCOMPARE(bracket.isUnknown(), value == 0);
            QCOMPARE(bracket.hasStopLoss(), strchr(legs[value], 'S') != nullptr);
            QCOMPARE(bracket.hasTakeProfit(), strchr(legs[value], 'T') != nullptr);
        }

        // Reversing an action without value asks isOpen, then isBuy.
        const OrderAction none;
        QVERIFY(!none.isValid() && !none.isBuy() && !none.isSell() && !none.isOpen());
        QCOMPARE(none.reverseSide().toSaveableString(), QStringLiteral("Buy To Cover"));
        QCOMPARE(int(OrderAction::Type(none)), 0);
        QCOMPARE(reversed(OrderCategory::Limit), OrderCategory::LimitAtBid);
        QCOMPARE(BracketCategory::Type(BracketCategory()), BracketCategory::Unknown);
        QCOMPARE(OrderState(OrderState::Working, OrderState::reasonFilled).reason(), OrderState::reasonFilled);
        QStringList expected;
        for (const char *function :
             {"isBuy", "isSell", "isOpen", "isOpen", "isBuy", "operator enum Trade::OrderAction::Type"})
            expected << ReportRecorder::line(u"order/orderaction",
                                             QStringLiteral("Trade::OrderAction::%1").arg(QLatin1String(function)),
                                             u"isValid()");
        expected << ReportRecorder::line(u"order/ordercategory", u"Trade::OrderCategory::reverseLimitBidAsk",
                                         u"isLimitAtBidOrAsk()")
                 << ReportRecorder::line(u"order/bracketcategory",
                                         u"Trade::BracketCategory::operator enum Trade::BracketCategory::Type",
                                         u"Unknown != m_type")
                 << ReportRecorder::line(u"order/orderstate", u"Trade::OrderState::OrderState",
                                         u"reason == reasonUnknown || isCompleted() && \"Reason might be set only "
                                         u"when overall state is 'completed'.\"");
        QCOMPARE(reports.lines(), expected);
    }

    void states_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("text");
        QTest::addColumn<char>("flag"); // 'f'illed or not
        QTest::addColumn<QString>("reportCondition");

        const QString state = QStringLiteral("false && \"unexpected order state\"");
        const QString completeReason = QStringLiteral("false && \"unexpected complete reason\"");
        QTest::addRow("none") << 0 << 0 << "" << '-' << state;
        QTest::addRow("queued") << 1 << 0 << "Queued" << '-' << "";
        QTest::addRow("virtual shows queued") << 7 << 0 << "Queued" << '-' << "";
        QTest::addRow("beyond") << 8 << 0 << "" << '-' << state;
        QTest::addRow("completed, unknown reason") << 5 << 0 << "" << '-' << completeReason;
        QTest::addRow("rejected") << 5 << 1 << "Rejected" << '-' << "";
        QTest::addRow("filled") << 5 << 3 << "Filled" << 'f' << "";
        QTest::addRow("completed, reason beyond") << 5 << 4 << "" << '-' << completeReason;
    }

    void states()
    {
        QFETCH(int, type);
        QFETCH(int, reason);
        QFETCH(QString, text);
        QFETCH(char, flag);
        QFETCH(QString, reportCondition);

        const OrderState orderState{OrderState::Type(type), OrderState::Reason(reason)};
        QCOMPARE(orderState.isFilled(), flag == 'f');

        ReportRecorder reports;
        QCOMPARE(orderState.toString(), text);
        QCOMPARE(orderState.toLatin1String(), text);
        QStringList expected;
        for (const char16_t *function : {u"Trade::OrderState::toString", u"Trade::OrderState::toLatin1String"})
            if (!reportCondition.isEmpty())
                expected << ReportRecorder::line(u"order/orderstate", function, reportCondition);
        QCOMPARE(reports.lines(), expected);

        OrderState read = orderState; // reading the persistent text back resets the state and keeps the reason
        read.fromSaveableString(text);
        QCOMPARE(int(read.type()), 0);
        QCOMPARE(read.reason(), OrderState::Reason(reason));
    }

    // Threads released at once race for the first uses of the cached texts; each must see the same texts.
    void displayTextsFromManyThreads()
    {
        std::atomic<bool> go{false};
        QVector<QStringList> seen(8);
        std::vector<std::thread> threads;
        for (QStringList &list : seen)
            threads.emplace_back([&go, &list] {
                while (!go.load())
                    std::this_thread::yield();
                for (int i = 0; i < 168; ++i)
                    list << OrderExpiry(OrderExpiry::Type(1 + i % 14)).toString()
                                + OrderAction(OrderAction::Type(1 + i % 4)).toString()
                                + BracketCategory(BracketCategory::Type(1 + i % 6)).toString();
            });
        go = true;
        for (std::thread &thread : threads)
            thread.join();
        for (const QStringList &list : std::as_const(seen))
            QCOMPARE(list, seen.at(0));
        QCOMPARE(seen.at(0).at(13), QStringLiteral("OPGSellStopLoss"));
    }
};

QTEST_GUILESS_MAIN(tst_OrderEnumerations)
#include "tst_orderenumerations.moc"
