// The cumulative order quantity cell and the sample host's formatter it leans on.
#include <testsupport/reportrecorder.h>

#include <samplehost/formatter.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/formatting/cumulativeorderquantityformatter.h>
#include <typekit/percent.h>
#include <typekit/price.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>

#include <QtTest/QtTest>

#include "rows.h"

using namespace Trade;

// A symbol's figures and the values a ticket shows on it.
struct Ticket
{
    int minMovement, priceScale, lotSize;
    double multiplier, price, units, money, percent;
};
Q_DECLARE_METATYPE(Ticket)

class tst_Formatting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cumulative()
    {
        Sample::Formatter formatter;
        // The cell shows the first total less the second, then the first, "s" unless one order; whole numbers (within
        // the double epsilon, in the int range) from 1000 on that are multiples of 100 are shortened.
        const std::pair<QList<QPair<double, double>>, const char *> rows[] = {
            {{}, "0s"},
            {{{1000, 0}, {500, 0}}, "1.5Ks"},
            {{{1000, 0}}, "1K"},
            {{{1500, 0}}, "1.5K"},
            {{{100000, 0}}, "100K"},
            {{{999, 0}}, "999"},
            {{{-2000, 0}}, "-2000"},
            {{{1000000, 0}}, "1M"},
            {{{2500000, 0}}, "2.5M"},
            {{{2000500, 0}}, "2000.5K"},
            {{{1050, 0}}, "1050"},
            {{{3000, 1000}}, "2K (3K)"},
            {{{1 + std::numeric_limits<double>::epsilon(), 0}}, "1"},
            {{{2.5, 0}}, "2.5"},
            {{{2.5, 1}}, "1.5 (2.5)"},
            {{{3, 0.5}}, "2.5 (3)"},
            {{{3e9, 0}}, "3000000000"},
            {{{2147483647, -2147483647}}, "4294967294 (2147483647)"}};
        for (const auto &[orders, text] : eachRow(rows)) {
            CumulativeOrderQuantityFormatter cell;
            for (const auto &[first, second] : orders)
                cell.addOrder(first, second);
            QCOMPARE(cell.format(), QLatin1String(text));
        }
    }

    void formatters()
    {
        ReportRecorder reports;
        CumulativeOrderQuantityFormatter cell;
        cell.addOrder(2.5, 1.0);
        QCOMPARE(cell.format(), QStringLiteral(" ()"));
        QCOMPARE(reports.count(), 2); // one per quantity asked for
        cell.addOrder(-2.5, -1.0);    // whole totals need no formatter
        QCOMPARE(cell.format(), QStringLiteral("0s"));
        QCOMPARE(reports.count(), 2);

        Sample::Formatter formatter;
        QCOMPARE(formatter.formatMoney(1, Currency()), QStringLiteral("1.00"));
        // Formatters stack and may leave in any order.
        auto *inner = new Sample::Formatter;
        Sample::Formatter innermost;
        QCOMPARE(IFormatter::instance(), &innermost);
        delete inner;
        QCOMPARE(IFormatter::instance(), &innermost);
    }

    // What a ticket shows reads back as the same value when typed back, with the symbol as context.
    void readsBack_data()
    {
        QTest::addColumn<Ticket>("ticket");
        QTest::addRow("future, 1500 lots") << Ticket{25, 100, 1, 1.0, 5012.25, 1500.0, -1234.5, 12.5};
        QTest::addRow("stock in lots of 100") << Ticket{1, 100, 100, 1.0, 1234.56, 150000.0, 1234567.89, -3.0};
        QTest::addRow("odd lot") << Ticket{1, 100, 100, 1.0, 0.05, 25.0, 0.0, 0.0};
        QTest::addRow("forex, a hundredth of a lot") << Ticket{1, 100000, 100000, 1.0, 1.08765, 1000.0, 0.01, 0.25};
        QTest::addRow("yen pair, 2500 lots") << Ticket{1, 1000, 1000, 1.0, 151.234, 2500000.0, -99.99, 100.0};
        QTest::addRow("bond in 64ths") << Ticket{1, 64, 1, 1.0, 112.515625, 7.0, 123456789.12, -0.01};
        QTest::addRow("a million short") << Ticket{25, 100, 1, 1.0, 21000.75, -1e6, 42.0, 1e4};
        QTest::addRow("price multiplier") << Ticket{1, 100, 100, 100.0, 12.34, 300.0, 5.5, 50.0};
    }
    void readsBack()
    {
        QFETCH(Ticket, ticket);
        Sample::StandardTopics topics;
        Sample::Formatter formatter;
        Sample::Symbol symbol(QStringLiteral("X"), Symbology::symbolTypeStock, ticket.minMovement, ticket.priceScale,
                              1.0, ticket.lotSize);
        symbol.setPriceMultiplier(ticket.multiplier);
        const Variant context = Variant::fromValue<ISymbol *>(&symbol);
        Profit profit(&symbol);
        profit.setMoney(ticket.money);
        const Variant values[] = {Variant::fromValue(Price(ticket.price, &symbol)),
                                  Variant::fromValue(Quantity(ticket.units, &symbol)), Variant::fromValue(profit),
                                  Variant::fromValue(Percent(ticket.percent))};
        for (const Variant &value : values) {
            const QString text = value.toString();
            const Variant typedBack = Variant(text).convert(value.typeId(), context);
            QVERIFY2(typedBack == value,
                     qPrintable(QStringLiteral("%1 \"%2\" reads back as \"%3\"")
                                    .arg(QString::fromLatin1(value.typeName()), text, typedBack.toString())));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Formatting)
#include "tst_formatting.moc"
