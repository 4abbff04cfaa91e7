// The symbol and account provider: the symbol's life (resolution lost and regained, disposal) as
// its holder sees it, and deletion at any point of that.
#include "reportrecorder.h"

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

        const auto steps = [](const char *text) { return QString::fromLatin1(text).split(QLatin1String(", ")); };
        const QStringList none;
        QTest::addRow("same symbol again") << steps("set A, set A") << QByteArray("A") << QByteArray("A") << true << 0 << none;
        QTest::addRow("none after a symbol") << steps("set A, set -") << QByteArray("A-") << QByteArray("-") << false << 0 << none;
        QTest::addRow("another symbol") << steps("set A, set B") << QByteArray("AB") << QByteArray("B") << false << 0 << none;
        QTest::addRow("watched while unresolved")
            << steps("set A, unresolve A") << QByteArray("A-") << QByteArray("-") << true << 0 << none;
        QTest::addRow("resolution regained")
            << steps("set A, unresolve A, resolve A") << QByteArray("A-A") << QByteArray("A") << true << 0 << none;
        QTest::addRow("unresolved symbol accepted")
            << steps("unresolve A, set A") << QByteArray("A") << QByteArray("A") << true << 1 << none;
        QTest::addRow("unresolved symbol set again")
            << steps("set A, unresolve A, set A") << QByteArray("A-A") << QByteArray("A") << true << 1 << none;
        QTest::addRow("disposed while current") << steps("set A, dispose A") << QByteArray("A-") << QByteArray("-") << false
                                                << 0 << none;
        QTest::addRow("disposed while unresolved")
            << steps("set A, unresolve A, dispose A") << QByteArray("A-") << QByteArray("-") << false << 0 << none;
        QTest::addRow("another symbol ends the watch")
            << steps("set A, unresolve A, set B, resolve A") << QByteArray("A-B") << QByteArray("B") << false << 0 << none;
        QTest::addRow("resolution of a symbol let go")
            << steps("set A, set B, unresolve A, resolve A") << QByteArray("AB") << QByteArray("B") << false << 0 << none;

        // B wired to the provider's private slots by hand: signals of a symbol it does not hold.
        const QString resolveChanged = ReportRecorder::line(u"symbolaccountprovider",
                                                            u"Trade::SymbolAccountProvider::slot_symbolResolveChanged",
                                                            u"symbol == m_symbol || symbol == m_resolvingSymbol");
        QTest::addRow("resolution changes of an unknown symbol")
            << steps("set A, hook B, unresolve B, resolve B") << QByteArray("AB") << QByteArray("B") << false << 0
            << QStringList{resolveChanged, resolveChanged};
        QTest::addRow("disposal of an unknown object")
            << steps("set A, hook B, dispose B") << QByteArray("A-") << QByteArray("-") << false << 0
            << QStringList{ReportRecorder::line(u"symbolaccountprovider", u"Trade::SymbolAccountProvider::onSymbolDisposed",
                                                u"m_symbol == symbol || symbol == m_resolvingSymbol")};
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

        const auto steps = [](const char *text) { return QString::fromLatin1(text).split(QLatin1String(", ")); };
        QTest::addRow("provider, on its new symbol") << true << QByteArray("A") << steps("set, unresolve, resolve");
        QTest::addRow("provider, on losing resolution") << true << QByteArray("A-") << steps("set, unresolve, resolve");
        QTest::addRow("symbol, on losing resolution") << false << QByteArray("A-") << steps("set, unresolve");
        QTest::addRow("provider, then its symbol changes")
            << true << QByteArray() << steps("set, delete, unresolve, resolve");
        QTest::addRow("symbol, while unresolved") << false << QByteArray() << steps("set, unresolve, delete, set");
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
