// Order action, category, expiry and bracket category: texts, persistent texts and predicates.
#include <testsupport/reportrecorder.h>

#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <atomic>
#include <thread>
#include <tuple>

using namespace Trade;

namespace {

// What a value shows and saves, the reports that showing it made, and what `text` reads back as
// when read over the value 2 (so that a text that reads as nothing gives 0).
struct Observed
{
    QString display;
    QString persistent;
    QStringList reports;
    int readBack;
};

template <typename T>
Observed observe(int value, const QString &text)
{
    ReportRecorder reports;
    const T enumeration{typename T::Type(value)};
    Observed observed{enumeration.toString(), enumeration.toSaveableString(), reports.lines(), 0};
    T read{typename T::Type(2)};
    read.fromSaveableString(text);
    observed.readBack = int(read.type());
    return observed;
}

Observed observe(const QString &kind, int value, const QString &text)
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
        QTest::addColumn<QStringList>("reports");

        // One row per value, from 0 to one beyond the last: the display texts, the persistent texts
        // where they differ, and what reading the display text of a value without one reports.
        using Texts = QList<const char *>;
        const auto add = [](const char *kind, const Texts &display, const Texts &persistent, const QString &report) {
            for (int value = 0; value < display.size(); ++value) {
                const QString text = QString::fromLatin1(display.at(value));
                QTest::addRow("%s %d", kind, value)
                    << QString::fromLatin1(kind) << value << text
                    << (persistent.isEmpty() ? text : QString::fromLatin1(persistent.at(value)))
                    << (text.isEmpty() && !report.isEmpty() ? QStringList{report} : QStringList());
            }
        };
        add("action", {"", "Buy", "Sell", "Sell Short", "Buy To Cover", ""}, {},
            unexpected("order/orderaction", "Trade::OrderAction::toString", "unexpected order action"));
        // Categories show their persistent text, untranslated, and never report.
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
        QFETCH(QStringList, reports);

        const Observed observed = observe(kind, value, persistent);
        QCOMPARE(observed.display, display);
        QCOMPARE(observed.persistent, persistent);
        QCOMPARE(observed.reports, reports);
        QCOMPARE(observed.readBack, persistent.isEmpty() ? 0 : value);
    }

    // Only the exact persistent text reads back: not another spelling (the saved text of extended
    // hours keeps its old one), case or spacing, nor the display text.
    void otherTextsReadAsNothing()
    {
        const char *const texts[][2] = {
            {"expiry", "ExtendedHours"}, {"expiry", "Extended Hours"}, {"action", "buy"}, {"action", "Sell "}};
        for (const auto &[kind, text] : texts)
            QVERIFY2(observe(QString::fromLatin1(kind), 1, QString::fromLatin1(text)).readBack == 0, text);
    }

    void orderAction()
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
        QCOMPARE(OrderAction(true).type(), OrderAction::Buy);
        QCOMPARE(OrderAction(false).type(), OrderAction::Sell);
        QCOMPARE(reports.count(), 0);

        // An action without a value reports each use and answers false; reversing it asks isOpen, then isBuy.
        const OrderAction none;
        QVERIFY(!none.isValid());
        QVERIFY(!none.isBuy() && !none.isSell() && !none.isOpen());
        QCOMPARE(none.reverseSide().toSaveableString(), QStringLiteral("Buy To Cover"));
        QCOMPARE(int(OrderAction::Type(none)), 0);
        QStringList expected;
        for (const char *function :
             {"isBuy", "isSell", "isOpen", "isOpen", "isBuy", "operator enum Trade::OrderAction::Type"})
            expected << ReportRecorder::line(u"order/orderaction",
                                             QStringLiteral("Trade::OrderAction::%1").arg(QLatin1String(function)),
                                             u"isValid()");
        QCOMPARE(reports.lines(), expected);
    }

    void orderCategoryReverse()
    {
        ReportRecorder reports;
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::LimitAtBid).reverseLimitBidAsk()),
                 OrderCategory::LimitAtAsk);
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::LimitAtAsk).reverseLimitBidAsk()),
                 OrderCategory::LimitAtBid);
        QCOMPARE(reports.count(), 0);
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::Limit).reverseLimitBidAsk()),
                 OrderCategory::LimitAtBid);
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(u"order/ordercategory", u"Trade::OrderCategory::reverseLimitBidAsk",
                                                  u"isLimitAtBidOrAsk()")});
    }

    void bracketCategory()
    {
        const QList<QPair<bool, bool>> legs{{false, false}, {false, false}, {true, false}, {false, true},
                                            {true, true},   {false, false}, {false, false}};
        for (int value = 0; value < legs.size(); ++value) {
            const BracketCategory bracket{BracketCategory::Type(value)};
            QCOMPARE(bracket.isUnknown(), value == 0);
            QCOMPARE(bracket.hasStopLoss(), legs.at(value).first);
            QCOMPARE(bracket.hasTakeProfit(), legs.at(value).second);
        }
        ReportRecorder reports;
        QCOMPARE(BracketCategory::Type(BracketCategory()), BracketCategory::Unknown);
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(u"order/bracketcategory",
                                                  u"Trade::BracketCategory::operator enum Trade::BracketCategory::Type",
                                                  u"Unknown != m_type")});
    }

    // Threads released at once race for the first uses of the cached texts; each must see the same texts.
    void displayTextsFromManyThreads()
    {
        std::atomic<bool> go{false};
        QVector<QStringList> seen(8);
        std::vector<std::thread> threads;
        for (QStringList &list : seen) {
            threads.emplace_back([&go, &list] {
                while (!go.load())
                    std::this_thread::yield();
                for (int i = 0; i < 168; ++i)
                    list << OrderExpiry(OrderExpiry::Type(1 + i % 14)).toString()
                                + OrderAction(OrderAction::Type(1 + i % 4)).toString()
                                + BracketCategory(BracketCategory::Type(1 + i % 6)).toString();
            });
        }
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
