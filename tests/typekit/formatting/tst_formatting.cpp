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
        // First total less the second (the first); whole multiples of 100 from 1000 on are shortened.
        const std::pair<QList<QPair<double, double>>, const char *> rows[] = {
            {{}, "0s"},
            {{{1000, 0}, {500, 0}}, "1.5Ks"},
            {{{1000, 0}}, "1K"},
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

        Sample::Formatter formatter;
        // Formatters stack and may leave in any order.
        auto *inner = new Sample::Formatter;
        Sample::Formatter innermost;
        QCOMPARE(IFormatter::instance(), &innermost);
        delete inner;
        QCOMPARE(IFormatter::instance(), &innermost);
    }

    void readsBack_data()
    {
        QTest::addColumn<Ticket>("ticket");
        QTest::addRow("odd lot") << Ticket{1, 100, 100, 1.0, 0.05, 25.0, 0.0, 0.0};
        QTest::addRow("forex, a hundredth of a lot") << Ticket{1, 100000, 100000, 1.0, 1.08765, 1000.0, 0.01, 0.25};
        QTest::addRow("bond in 64ths") << Ticket{1, 64, 1, 1.0, 112.515625, 7.0, 123456789.12, -0.01};
        QTest::addRow("a million short") << Ticket{25, 100, 1, 1.0, 21000.75, -1e6, -1234.5, 12.5};
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
        for (const Variant &value : values)
            QCOMPARE(Variant(value.toString()).convert(value.typeId(), context), value);
    }
};

QTEST_GUILESS_MAIN(tst_Formatting)
#include "tst_formatting.moc"
