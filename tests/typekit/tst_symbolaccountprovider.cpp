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

public Q_SLOTS:
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

private Q_SLOTS:
    void symbolLife_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QByteArray>("current");  // "x": the provider is gone
        QTest::addColumn<bool>("watchesA");       // the provider still has subscriptions on A
        QTest::addColumn<QStringList>("reports"); // then the logs: severity, file, function, text

        const auto row = [](const char *name, const char *steps, const char *heard, const char *current, bool watchesA,
                            const QStringList &reports = {}) {
            QTest::addRow("%s", name) << QString::fromLatin1(steps).split(QLatin1String(", ")) << QByteArray(heard)
                                      << QByteArray(current) << watchesA << reports;
        };
        const QStringList notResolved{
            QStringLiteral("3 symbolaccountprovider Trade::SymbolAccountProvider::setSymbol "
                           " Symbol=A is not resolved by core. It will be reset when subscribe")};
        row("same symbol again", "set A, set A", "A", "A", true);
        row("none after a symbol", "set A, set -", "A-", "-", false);
        row("another symbol", "set A, set B", "AB", "B", false);
        row("watched while unresolved", "set A, unresolve A", "A-", "-", true);
        row("resolution regained", "set A, unresolve A, resolve A", "A-A", "A", true);
        row("unresolved symbol accepted", "unresolve A, set A", "A", "A", true, notResolved);
        row("unresolved symbol set again", "set A, unresolve A, set A", "A-A", "A", true, notResolved);
        row("disposed while current", "set A, dispose A", "A-", "-", false);
        row("disposed while unresolved", "set A, unresolve A, dispose A", "A-", "-", false);
        row("another symbol ends the watch", "set A, unresolve A, set B, resolve A", "A-B", "B", false);
        row("resolution of a symbol let go", "set A, set B, unresolve A, resolve A", "AB", "B", false);

        // Whatever is deleted ("drop": the provider), and whenever ("on <heard> <step>": in the announcement
        // that completes what was heard): nothing reaches it afterwards (the sanitizer run), nothing is reported.
        row("provider deleted on its new symbol", "on A drop, set A, unresolve A, resolve A", "A", "x", false);
        row("provider deleted on losing resolution", "on A- drop, set A, unresolve A, resolve A", "A-", "x", false);
        row("symbol deleted on losing resolution", "on A- dispose A, set A, unresolve A", "A-", "-", false);
        row("provider deleted, then its symbol changes", "set A, drop, unresolve A, resolve A", "A", "x", false);
        row("symbol deleted while unresolved", "set A, unresolve A, dispose A, set A", "A-", "-", false);

        // What the observers of the announcement of a lost resolution choose stands: a fallback stays
        // when the lost symbol resolves again or goes; the same symbol set back is current and
        // watched; a symbol resolved meanwhile is current again.
        row("fallback chosen on losing resolution", "on A- set B, set A, unresolve A, resolve A", "A-B", "B", false);
        row("fallback kept when the lost symbol goes", "on A- set B, set A, unresolve A, dispose A", "A-B", "B", false);
        row("symbol set back on losing resolution", "on A- set A, set A, unresolve A, resolve A, dispose A", "A-A-",
            "-", false, notResolved);
        row("symbol resolved on losing resolution", "on A- resolve A, set A, unresolve A", "A-A", "A", true);

        // B wired to the provider's private slots by hand: signals of a symbol it does not hold.
        const auto line = [](const char *function, const char *condition) {
            return Trade::ReportRecorder::line(u"symbolaccountprovider", QString::fromLatin1(function),
                                               QString::fromLatin1(condition));
        };
        const QString resolveChanged = line("Trade::SymbolAccountProvider::slot_symbolResolveChanged",
                                            "symbol == m_symbol || symbol == m_resolvingSymbol");
        row("resolution changes of an unknown symbol", "set A, hook B, unresolve B, resolve B", "AB", "B", false,
            {resolveChanged, resolveChanged});
        row("disposal of an unknown object", "set A, hook B, dispose B", "A-", "-", false,
            {line("Trade::SymbolAccountProvider::onSymbolDisposed",
                  "m_symbol == symbol || symbol == m_resolvingSymbol")});
    }

    void symbolLife()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, heard);
        QFETCH(QByteArray, current);
        QFETCH(bool, watchesA);
        QFETCH(QStringList, reports);

        Sample::StandardTopics topics;
        const auto stock = [](QChar name) { return new Sample::Symbol(name, Symbology::symbolTypeStock, 1, 100); };
        QPointer<Sample::Symbol> symbols[] = {stock(u'A'), stock(u'B')};
        QPointer<Trade::SymbolAccountProvider> provider = new Trade::SymbolAccountProvider;
        Journal journal;
        provider->subscribe(&journal);

        Trade::ReportRecorder recorder;
        std::function<void(const QString &)> run = [&](const QString &step) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            Sample::Symbol *symbol =
                step.endsWith(QLatin1Char('-')) ? nullptr : symbols[step.back() == QLatin1Char('B')];
            if (verb == QLatin1String("on")) {
                journal.onSymbolChanged = [&, when = step.section(QLatin1Char(' '), 1, 1).toLatin1(),
                                           then = step.section(QLatin1Char(' '), 2)] {
                    if (journal.heard == when)
                        run(then);
                };
            } else if (verb == QLatin1String("set")) {
                provider->setSymbol(symbol);
            } else if (verb == QLatin1String("unresolve") || verb == QLatin1String("resolve")) {
                symbol->setResolved(verb == QLatin1String("resolve"));
            } else if (verb == QLatin1String("dispose")) {
                delete symbol;
            } else if (verb == QLatin1String("drop")) {
                delete provider;
            } else if (verb == QLatin1String("hook")) {
                symbol->subscribe(provider.data(), "symbolResolveChanged");
                symbol->subscribe("disposed", provider.data(), "onSymbolDisposed");
            }
        };
        for (const QString &step : steps)
            run(step);

        QCOMPARE(journal.heard, heard);
        QCOMPARE(!provider            ? QByteArray("x")
                 : provider->symbol() ? provider->symbol()->name().toLatin1()
                                      : QByteArray("-"),
                 current);
        QCOMPARE(provider && symbols[0] && symbols[0]->isSubscribed(provider.data()), watchesA);
        QStringList reported = recorder.lines();
        for (const Trade::RecordedLog &log : recorder.logs())
            reported << QStringLiteral("%1 %2 %3 %4").arg(log.severity).arg(log.file, log.function, log.text);
        QCOMPARE(reported, reports);
        delete provider;
        for (Sample::Symbol *symbol : symbols)
            delete symbol;
    }
};

QTEST_GUILESS_MAIN(tst_SymbolAccountProvider)
#include "tst_symbolaccountprovider.moc"
