// The symbol and account provider: the symbol's life (resolution lost and regained, disposal) as
// its holder sees it, and deletion at any point of that.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/symbolaccountprovider.h>

#include <QtTest/QtTest>

#include <functional>

namespace {

// Hears a provider's symbolChanged: the symbol's name, "-" for none.
class Journal : public QObject
{
    Q_OBJECT

public:
    QByteArray heard;
    std::function<void()> onSymbolChanged;

public slots:
    void slot_symbolChanged(Trade::ISymbol *symbol)
    {
        heard += symbol ? symbol->name().toLatin1() : QByteArray("-");
        if (onSymbolChanged)
            onSymbolChanged();
    }
};

} // namespace

class tst_SymbolAccountProvider : public QObject
{
    Q_OBJECT

private slots:
    void symbolLife_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<bool>("watchesA");  // the provider still has subscriptions on A
        QTest::addColumn<int>("logs");       // of A not being resolved
        QTest::addColumn<QStringList>("reports");

        const auto row = [](const char *name, const char *steps, const char *heard, const char *current, bool watchesA,
                            int logs, const QStringList &reports = {}) {
            QTest::addRow("%s", name) << QString::fromLatin1(steps).split(QLatin1String(", ")) << QByteArray(heard)
                                      << QByteArray(current) << watchesA << logs << reports;
        };
        row("same symbol again", "set A, set A", "A", "A", true, 0);
        row("none after a symbol", "set A, set -", "A-", "-", false, 0);
        row("another symbol", "set A, set B", "AB", "B", false, 0);
        row("watched while unresolved", "set A, unresolve A", "A-", "-", true, 0);
        row("resolution regained", "set A, unresolve A, resolve A", "A-A", "A", true, 0);
        row("unresolved symbol accepted", "unresolve A, set A", "A", "A", true, 1);
        row("unresolved symbol set again", "set A, unresolve A, set A", "A-A", "A", true, 1);
        row("disposed while current", "set A, dispose A", "A-", "-", false, 0);
        row("disposed while unresolved", "set A, unresolve A, dispose A", "A-", "-", false, 0);
        row("another symbol ends the watch", "set A, unresolve A, set B, resolve A", "A-B", "B", false, 0);
        row("resolution of a symbol let go", "set A, set B, unresolve A, resolve A", "AB", "B", false, 0);

        // B wired to the provider's private slots by hand: signals of a symbol it does not hold.
        const auto line = [](const char *function, const char *condition) {
            return ReportRecorder::line(u"symbolaccountprovider", QString::fromLatin1(function),
                                        QString::fromLatin1(condition));
        };
        const QString resolveChanged = line("Trade::SymbolAccountProvider::slot_symbolResolveChanged",
                                            "symbol == m_symbol || symbol == m_resolvingSymbol");
        row("resolution changes of an unknown symbol", "set A, hook B, unresolve B, resolve B", "AB", "B", false, 0,
            {resolveChanged, resolveChanged});
        row("disposal of an unknown object", "set A, hook B, dispose B", "A-", "-", false, 0,
            {line("Trade::SymbolAccountProvider::onSymbolDisposed",
                  "m_symbol == symbol || symbol == m_resolvingSymbol")});
    }

    void symbolLife()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, heard);
        QFETCH(QByteArray, current);
        QFETCH(bool, watchesA);
        QFETCH(int, logs);
        QFETCH(QStringList, reports);

        Sample::StandardTopics topics;
        QPointer<Sample::Symbol> symbols[] = {
            new Sample::Symbol(QStringLiteral("A"), Symbology::symbolTypeStock, 1, 100),
            new Sample::Symbol(QStringLiteral("B"), Symbology::symbolTypeStock, 1, 100),
        };
        Trade::SymbolAccountProvider provider;
        Journal journal;
        provider.subscribe(&journal);

        ReportRecorder recorder;
        for (const QString &step : steps) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            Sample::Symbol *symbol = step.endsWith(QLatin1Char('-')) ? nullptr : symbols[step.back() == QLatin1Char('B')];
            if (verb == QLatin1String("set"))
                provider.setSymbol(symbol);
            else if (verb == QLatin1String("unresolve") || verb == QLatin1String("resolve"))
                symbol->setResolved(verb == QLatin1String("resolve"));
            else if (verb == QLatin1String("dispose"))
                delete symbol;
            else if (verb == QLatin1String("hook")) {
                symbol->subscribe(&provider, "symbolResolveChanged");
                symbol->subscribe("disposed", &provider, "onSymbolDisposed");
            }
        }

        QCOMPARE(journal.heard, heard);
        QCOMPARE(provider.symbol() ? provider.symbol()->name().toLatin1() : QByteArray("-"), current);
        QCOMPARE(symbols[0] && symbols[0]->isSubscribed(&provider), watchesA);
        QCOMPARE(recorder.lines(), reports);
        QStringList logged;
        for (const RecordedLog &log : recorder.logs())
            logged << QStringLiteral("%1 %2 %3 %4|").arg(log.severity).arg(log.file, log.function, log.text);
        QCOMPARE(logged, QStringList(logs, QStringLiteral("3 symbolaccountprovider Trade::SymbolAccountProvider::setSymbol "
                                                          " Symbol=A is not resolved by core. It will be reset when subscribe|")));
        for (Sample::Symbol *symbol : symbols)
            delete symbol;
    }

    void deletedAnywhere_data()
    {
        QTest::addColumn<bool>("deleteProvider");  // else the symbol
        QTest::addColumn<QByteArray>("when");      // what the journal has heard when it deletes, if it does
        QTest::addColumn<QStringList>("steps");    // "delete" deletes between steps

        const auto row = [](const char *name, bool deleteProvider, const char *when, const char *steps) {
            QTest::addRow("%s", name) << deleteProvider << QByteArray(when)
                                      << QString::fromLatin1(steps).split(QLatin1String(", "));
        };
        row("provider, on its new symbol", true, "A", "set, unresolve, resolve");
        row("provider, on losing resolution", true, "A-", "set, unresolve, resolve");
        row("symbol, on losing resolution", false, "A-", "set, unresolve");
        row("provider, then its symbol changes", true, "", "set, delete, unresolve, resolve");
        row("symbol, while unresolved", false, "", "set, unresolve, delete, set");
    }

    // Whatever is deleted, and whenever: nothing reaches it afterwards, nothing leaks (the
    // sanitizer run), nothing is reported.
    void deletedAnywhere()
    {
        QFETCH(bool, deleteProvider);
        QFETCH(QByteArray, when);
        QFETCH(QStringList, steps);

        ReportRecorder recorder;
        Sample::StandardTopics topics;
        QPointer<Sample::Symbol> symbol = new Sample::Symbol(QStringLiteral("A"), Symbology::symbolTypeStock, 1, 100);
        QPointer<Trade::SymbolAccountProvider> provider = new Trade::SymbolAccountProvider;
        Journal journal;
        provider->subscribe(&journal);
        const auto deleteOne = [&] {
            if (deleteProvider)
                delete provider;
            else
                delete symbol;
        };
        journal.onSymbolChanged = [&] {
            if (journal.heard == when)
                deleteOne();
        };
        for (const QString &step : steps) {
            if (step == QLatin1String("delete"))
                deleteOne();
            else if (step == QLatin1String("set") && provider)
                provider->setSymbol(symbol);
            else if (step != QLatin1String("set") && symbol)
                symbol->setResolved(step == QLatin1String("resolve"));
        }
        QVERIFY(deleteProvider ? !provider : !symbol);
        if (provider)
            QCOMPARE(provider->symbol(), nullptr);
        QCOMPARE(recorder.count(), 0);
        delete provider;
        delete symbol;
    }
};

QTEST_GUILESS_MAIN(tst_SymbolAccountProvider)
#include "tst_symbolaccountprovider.moc"
