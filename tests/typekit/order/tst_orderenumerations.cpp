// Order action, category, expiry and bracket category: texts, persistent texts and predicates.
#include <testsupport/reportrecorder.h>

#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>

#include <QtTest/QtTest>

#include <atomic>
#include <thread>

using namespace Trade;

namespace {

// Display text, persistent text and the reports that reading the display text made.
struct Texts
{
    QString display;
    QString persistent;
    QStringList reports;
};

template <typename T>
Texts textsOf(int value)
{
    ReportRecorder reports;
    const T enumeration{typename T::Type(value)};
    Texts texts{enumeration.toString(), enumeration.toSaveableString(), {}};
    texts.reports = reports.lines();
    return texts;
}

// The value read back from a persistent text (reading the value of "no value" reports for some
// of these classes; those reports are tested on their own).
template <typename T>
int fromSaveable(const QString &text)
{
    ReportRecorder quiet;
    T enumeration{typename T::Type(2)};
    enumeration.fromSaveableString(text);
    return int(typename T::Type(enumeration));
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

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("persistent");
        QTest::addColumn<QStringList>("reports");

        const QStringList none;
        const QString noAction = unexpected("order/orderaction", "Trade::OrderAction::toString", "unexpected order action");
        const QString noExpiry = unexpected("order/orderexpiry", "Trade::OrderExpiry::toString", "unexpected order expiry");
        const QString noBracket = unexpected("order/bracketcategory", "Trade::BracketCategory::toString",
                                             "unexpected bracket category");
        QTest::addRow("action 0") << "action" << 0 << "" << "" << QStringList{noAction};
        QTest::addRow("action 1") << "action" << 1 << "Buy" << "Buy" << none;
        QTest::addRow("action 2") << "action" << 2 << "Sell" << "Sell" << none;
        QTest::addRow("action 3") << "action" << 3 << "Sell Short" << "Sell Short" << none;
        QTest::addRow("action 4") << "action" << 4 << "Buy To Cover" << "Buy To Cover" << none;
        QTest::addRow("action 5") << "action" << 5 << "" << "" << QStringList{noAction};
        // Categories show their persistent text, untranslated, and never report.
        QTest::addRow("category 0") << "category" << 0 << "" << "" << none;
        QTest::addRow("category 1") << "category" << 1 << "Market" << "Market" << none;
        QTest::addRow("category 2") << "category" << 2 << "Limit" << "Limit" << none;
        QTest::addRow("category 3") << "category" << 3 << "Stop" << "Stop" << none;
        QTest::addRow("category 4") << "category" << 4 << "StopLimit" << "StopLimit" << none;
        QTest::addRow("category 5") << "category" << 5 << "Limit At Ask" << "Limit At Ask" << none;
        QTest::addRow("category 6") << "category" << 6 << "Limit At Bid" << "Limit At Bid" << none;
        QTest::addRow("category 7") << "category" << 7 << "" << "" << none;
        QTest::addRow("expiry 0") << "expiry" << 0 << "" << "" << QStringList{noExpiry};
        QTest::addRow("expiry 1") << "expiry" << 1 << "Good Till Cancel" << "GoodTillCancel" << none;
        QTest::addRow("expiry 2") << "expiry" << 2 << "Good Till Cancel Ext" << "GoodTillCancelExt" << none;
        QTest::addRow("expiry 3") << "expiry" << 3 << "Good Till Date" << "GoodTillDate" << none;
        QTest::addRow("expiry 4") << "expiry" << 4 << "Day Order" << "DayOrder" << none;
        QTest::addRow("expiry 5") << "expiry" << 5 << "Day Order Ext" << "DayExt" << none;
        QTest::addRow("expiry 6") << "expiry" << 6 << "Am" << "Am" << none;
        QTest::addRow("expiry 7") << "expiry" << 7 << "Pm" << "Pm" << none;
        QTest::addRow("expiry 8") << "expiry" << 8 << "MOC" << "MOC" << none;
        QTest::addRow("expiry 9") << "expiry" << 9 << "Immediate Or Cancel" << "ImmediateOrCancel" << none;
        QTest::addRow("expiry 10") << "expiry" << 10 << "Day NB" << "DayNB" << none;
        QTest::addRow("expiry 11") << "expiry" << 11 << "Extended Hours" << "ExtendetHours" << none;
        QTest::addRow("expiry 12") << "expiry" << 12 << "At The Opening" << "AtTheOpening" << none;
        QTest::addRow("expiry 13") << "expiry" << 13 << "Fill Or Kill" << "FillOrKill" << none;
        QTest::addRow("expiry 14") << "expiry" << 14 << "OPG" << "OPG" << none;
        QTest::addRow("expiry 15") << "expiry" << 15 << "" << "" << QStringList{noExpiry};
        QTest::addRow("bracket 0") << "bracket" << 0 << "" << "" << QStringList{noBracket};
        QTest::addRow("bracket 1") << "bracket" << 1 << "None" << "None" << none;
        QTest::addRow("bracket 2") << "bracket" << 2 << "StopLoss" << "StopLoss" << none;
        QTest::addRow("bracket 3") << "bracket" << 3 << "TakeProfit" << "TakeProfit" << none;
        QTest::addRow("bracket 4") << "bracket" << 4 << "StopLossTakeProfit" << "StopLossTakeProfit" << none;
        QTest::addRow("bracket 5") << "bracket" << 5 << "TrailingStop" << "TrailingStop" << none;
        QTest::addRow("bracket 6") << "bracket" << 6 << "TrailingStopTakeProfit" << "TrailingStopTakeProfit" << none;
        QTest::addRow("bracket 7") << "bracket" << 7 << "" << "" << QStringList{noBracket};
    }

    void texts()
    {
        QFETCH(QString, kind);
        QFETCH(int, value);
        QFETCH(QString, display);
        QFETCH(QString, persistent);
        QFETCH(QStringList, reports);

        Texts texts;
        int readBack = 0;
        if (kind == QLatin1String("action")) {
            texts = textsOf<OrderAction>(value);
            readBack = fromSaveable<OrderAction>(persistent);
        } else if (kind == QLatin1String("category")) {
            texts = textsOf<OrderCategory>(value);
            readBack = fromSaveable<OrderCategory>(persistent);
        } else if (kind == QLatin1String("expiry")) {
            texts = textsOf<OrderExpiry>(value);
            readBack = fromSaveable<OrderExpiry>(persistent);
        } else {
            texts = textsOf<BracketCategory>(value);
            readBack = fromSaveable<BracketCategory>(persistent);
        }
        QCOMPARE(texts.display, display);
        QCOMPARE(texts.persistent, persistent);
        QCOMPARE(texts.reports, reports);
        QCOMPARE(readBack, persistent.isEmpty() ? 0 : value);
    }

    void fromSaveableString_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");

        QTest::addRow("misspelt extended hours") << "expiry" << "ExtendetHours" << int(OrderExpiry::ExtendedHours);
        QTest::addRow("spelt extended hours") << "expiry" << "ExtendedHours" << 0;
        QTest::addRow("display text of expiry") << "expiry" << "Extended Hours" << 0;
        QTest::addRow("lower case action") << "action" << "buy" << 0;
        QTest::addRow("action with spaces") << "action" << "Sell Short" << int(OrderAction::SellShort);
        QTest::addRow("trailing space") << "action" << "Sell " << 0;
        QTest::addRow("empty") << "category" << "" << 0;
        QTest::addRow("category") << "category" << "Limit At Bid" << int(OrderCategory::LimitAtBid);
    }

    void fromSaveableString()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, value);

        ReportRecorder reports;
        const int read = kind == QLatin1String("expiry") ? fromSaveable<OrderExpiry>(text)
                         : kind == QLatin1String("action") ? fromSaveable<OrderAction>(text)
                                                           : fromSaveable<OrderCategory>(text);
        QCOMPARE(read, value);
        QCOMPARE(reports.count(), 0);
    }

    void orderActionPredicates_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("isBuy");
        QTest::addColumn<bool>("isSell");
        QTest::addColumn<bool>("isOpen");
        QTest::addColumn<int>("reverse");

        QTest::addRow("buy") << 1 << true << false << true << int(OrderAction::SellShort);
        QTest::addRow("sell") << 2 << false << true << false << int(OrderAction::BuyToCover);
        QTest::addRow("sell short") << 3 << false << true << true << int(OrderAction::Buy);
        QTest::addRow("buy to cover") << 4 << true << false << false << int(OrderAction::Sell);
    }

    void orderActionPredicates()
    {
        QFETCH(int, value);
        QFETCH(bool, isBuy);
        QFETCH(bool, isSell);
        QFETCH(bool, isOpen);
        QFETCH(int, reverse);

        ReportRecorder reports;
        const OrderAction action{OrderAction::Type(value)};
        QCOMPARE(action.isBuy(), isBuy);
        QCOMPARE(action.isSell(), isSell);
        QCOMPARE(action.isOpen(), isOpen);
        QCOMPARE(int(OrderAction::Type(action.reverseSide())), reverse);
        QCOMPARE(OrderAction::Type(OrderAction(isBuy, isOpen)), OrderAction::Type(value));
        QCOMPARE(reports.count(), 0);
    }

    void orderActionWithoutValue()
    {
        const QString file = QStringLiteral("order/orderaction");
        ReportRecorder reports;
        const OrderAction none;
        QVERIFY(!none.isValid());
        QVERIFY(!none.isBuy() && !none.isSell() && !none.isOpen());
        QCOMPARE(none.reverseSide().toSaveableString(), QStringLiteral("Buy To Cover"));
        QCOMPARE(int(OrderAction::Type(none)), 0);
        QCOMPARE(reports.lines(), QStringList({ReportRecorder::line(file, u"Trade::OrderAction::isBuy", u"isValid()"),
                                               ReportRecorder::line(file, u"Trade::OrderAction::isSell", u"isValid()"),
                                               ReportRecorder::line(file, u"Trade::OrderAction::isOpen", u"isValid()"),
                                               ReportRecorder::line(file, u"Trade::OrderAction::isOpen", u"isValid()"),
                                               ReportRecorder::line(file, u"Trade::OrderAction::isBuy", u"isValid()"),
                                               ReportRecorder::line(file, u"Trade::OrderAction::operator enum Trade::OrderAction::Type",
                                                                    u"isValid()")}));
        QCOMPARE(OrderAction(true).toSaveableString(), QStringLiteral("Buy"));
        QCOMPARE(OrderAction(false).toSaveableString(), QStringLiteral("Sell"));
    }

    void orderCategoryReverse()
    {
        ReportRecorder reports;
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::LimitAtBid).reverseLimitBidAsk()), OrderCategory::LimitAtAsk);
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::LimitAtAsk).reverseLimitBidAsk()), OrderCategory::LimitAtBid);
        QCOMPARE(reports.count(), 0);
        QCOMPARE(OrderCategory::Type(OrderCategory(OrderCategory::Limit).reverseLimitBidAsk()), OrderCategory::LimitAtBid);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"order/ordercategory", u"Trade::OrderCategory::reverseLimitBidAsk",
                                                                   u"isLimitAtBidOrAsk()")});
    }

    void bracketCategory()
    {
        const QList<QPair<bool, bool>> legs{{false, false}, {false, false}, {true, false}, {false, true},
                                            {true, true},   {false, false}, {false, false}};
        for (int value = 0; value < legs.size(); ++value) {
            const BracketCategory bracket{BracketCategory::Type(value)};
            QCOMPARE(bracket.hasStopLoss(), legs.at(value).first);
            QCOMPARE(bracket.hasTakeProfit(), legs.at(value).second);
        }
        ReportRecorder reports;
        QCOMPARE(BracketCategory::Type(BracketCategory()), BracketCategory::Unknown);
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"order/bracketcategory",
                                                                   u"Trade::BracketCategory::operator enum Trade::BracketCategory::Type",
                                                                   u"Unknown != m_type")});
    }

    void displayTextsFromManyThreads()
    {
        // Eight threads released at once race for the first uses of the cached texts; each must see
        // the same texts.
        constexpr int threadCount = 8;
        std::atomic<bool> go{false};
        QVector<QStringList> seen(threadCount);
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&go, &list = seen[t]] {
                while (!go.load())
                    std::this_thread::yield();
                for (int i = 0; i < 168; ++i)
                    list << OrderExpiry(OrderExpiry::Type(1 + i % 14)).toString() + OrderAction(OrderAction::Type(1 + i % 4)).toString()
                                + BracketCategory(BracketCategory::Type(1 + i % 6)).toString();
            });
        }
        go = true;
        for (std::thread &thread : threads)
            thread.join();
        for (int t = 1; t < threadCount; ++t)
            QCOMPARE(seen.at(t), seen.at(0));
        QCOMPARE(seen.at(0).at(13), QStringLiteral("OPGSellStopLoss"));
    }
};

QTEST_GUILESS_MAIN(tst_OrderEnumerations)
#include "tst_orderenumerations.moc"
