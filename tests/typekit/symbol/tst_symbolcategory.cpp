#include <testsupport/reportrecorder.h>

#include <samplehost/host.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtTest/QtTest>

#include "rows.h"

using Trade::SymbolCategory;

class tst_SymbolCategory : public QObject
{
    Q_OBJECT

    static SymbolCategory category(int number) { return SymbolCategory(Symbology::KorSymbolType(number)); }

private Q_SLOTS:
    void table()
    {
        // Number, name, plural, valid, can roll, tradeable; 6 is the last of the futures that roll in a row.
        using Row = std::tuple<int, const char *, const char *, bool, bool, bool>;
        const QString file = QStringLiteral("symbol/symbolcategory");
        const QStringList unexpected{
            Trade::ReportRecorder::line(file, u"Trade::SymbolCategory::name", u"false && \"unexpected category\""),
            Trade::ReportRecorder::line(file, u"Trade::SymbolCategory::pluralName",
                                        u"false && \"unexpected category\"")};
        for (const auto &[number, name, plural, valid, canRoll, tradeable] : eachRow(std::array{
                 Row(0, "Undefined", "", false, false, false), Row(8, "", "", false, false, false),
                 Row(23, "", "", false, false, false), Row(-1, "", "", false, false, false),
                 Row(3, "Future", "Futures", true, true, true),
                 Row(6, "Future Forward", "Future Forwards", true, true, false),
                 Row(7, "Future Option", "Future Options", true, false, true),
                 Row(9, "Future Spot", "Future Spot", true, true, false),
                 Row(13, "Index", "Indexes", true, false, false), Row(14, "Stock", "Stocks", true, false, true),
                 Row(19, "Money Fund", "Money Funds", true, false, true)})) {
            const SymbolCategory value = category(number);
            QCOMPARE(value.isValid(), valid);
            QCOMPARE(value.canRoll(), canRoll);
            QCOMPARE(value.isTradeble(), tradeable);
            Trade::ReportRecorder reports;
            QCOMPARE(value.name(), QLatin1String(name));
            QCOMPARE(value.pluralName(), QLatin1String(plural));
            QCOMPARE(reports.lines(), valid ? QStringList() : unexpected);
        }
    }

    void textsAndDomains()
    {
        for (int number = 0; number <= 30; ++number)
            QCOMPARE(int(SymbolCategory::fromString(category(number).toString())), number);
        QCOMPARE(int(SymbolCategory::fromString(QStringLiteral("Stock"))), 0);
        QCOMPARE(int(SymbolCategory::fromString(QString())), 0);

        const auto numbers = [](const Trade::Domain &domain) {
            QList<int> result;
            for (const Trade::Variant &value : domain.values())
                result << int(value.strongValue<SymbolCategory>());
            return result;
        };
        Trade::ReportRecorder reports;
        QCOMPARE(numbers(SymbolCategory::domain()), QList<int>({1, 2, 3, 4, 5, 6, 7, 9, 10, 13, 14, 15, 17, 18, 19}));
        QCOMPARE(numbers(SymbolCategory::tradeDomain()), QList<int>({1, 2, 3, 10, 7, 14, 15, 18, 19, 17}));
        QCOMPARE(reports.count(), 0);
    }

    void fromSymbolName()
    {
        Sample::Host host;
        const QByteArrayList links = QByteArray("=TECH MSFT =TECH2 =TECH =FRONT @ES =A =B =B =A =D =C0").split(' ');
        for (int i = 0; i < links.size(); i += 2) // name, then what it stands for
            host.dictionary().define(links[i], links[i + 1]);
        // A chain as long as the bound still resolves (=C0); one hop more does not (=D).
        const int hops = SymbolCategory::maxDictionaryHops;
        for (int i = 0; i < hops; ++i)
            host.dictionary().define("=C" + QByteArray::number(i),
                                     i + 1 < hops ? "=C" + QByteArray::number(i + 1) : "MSFT");
        const auto found = [](const char *name) {
            return int(SymbolCategory::fromSymbolName(QString::fromLatin1(name)));
        };

        Trade::ReportRecorder reports;
        const std::pair<const char *, int> rows[] = {{"MSFT", 14},  {"ESZ26", 3},  {"@ES", 3},     {"12345", 0},
                                                     {"=TECH", 14}, {"=FRONT", 3}, {"=TECH2", 14}, {"=NONE", 0},
                                                     {"=A", 0},     {"=C0", 14},   {"=D", 0}};
        for (const auto &[name, number] : eachRow(rows))
            QCOMPARE(found(name), number);
        QCOMPARE(reports.count(), 0);

        // A host installed over this one brings its own, empty, dictionary until it goes.
        {
            Sample::Host inner;
            QCOMPARE(found("=TECH"), 0);
        }
        QCOMPARE(found("=TECH"), 14);
    }
};

QTEST_GUILESS_MAIN(tst_SymbolCategory)
#include "tst_symbolcategory.moc"
