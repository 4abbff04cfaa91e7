// The order info provider's announcements, following, holders, misuse and deletion; its base's symbol life.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/ticket.h>
#include <typekit/orderinfoprovider.h>

#include <QtTest/QtTest>

#include <functional>
#include <memory>
#include <utility>

namespace {

// No Qt object, no Trade::ISymbolAccountHolder, no connection provider.
struct ReadOnlyContext : Trade::AbstractNotifier, virtual Trade::IOrderInfoProvider
{
    bool providesSymbol() const override { return false; }
    Trade::ISymbol *symbol() const override { return nullptr; }
    bool providesAccount() const override { return false; }
    Trade::IAccount *account() const override { return nullptr; }
    Trade::IBrokerConnectionProvider *connectionProvider() const override { return nullptr; }
    QString symbolName() override { return QString(); }
    bool symbolAutoMappingShouldBeDisallowed() const override { return false; }
    Trade::VariantRecord info() override { return Trade::VariantRecord(); }
    Trade::IExitStrategyTemplate *exitStrategy() const override { return nullptr; }
    Trade::PriceLevels priceLevels() override { return Trade::PriceLevels(); }
    Trade::IMarketDataProvider *marketDataProvider() const override { return nullptr; }
    void symbolChanged(Trade::ISymbol *, Trade::ISymbolAccountProvider *) const override {}
    void accountChanged(Trade::IAccount *, Trade::ISymbolAccountProvider *) const override {}
    void disposed(Trade::IDisposable *) const override {}
    void orderInfoChanged(Trade::IOrderInfoProvider *) const override {}
    void marketDataChanged(Trade::IOrderInfoProvider *) const override {}
};

struct NonObjectHolder : ReadOnlyContext, virtual Trade::ISymbolAccountHolder
{
    bool providesAccount() const override { return m_account != nullptr; }
    Trade::IAccount *account() const override { return m_account; }
    Trade::IBrokerConnectionProvider *connectionProvider() const override { return m_connection.get(); }
    void setSymbol(Trade::ISymbol *) override {}
    void setAccount(Trade::IAccount *value) override { m_account = value; }
    Trade::IAccount *m_account = nullptr;
    std::unique_ptr<Trade::BrokerConnectionProvider> m_connection = std::make_unique<Trade::BrokerConnectionProvider>();
};

// What a provider announces: "S:name" (or "S:-"), "A", "I", "M", "C" (its connection provider), "D" (disposed).
class Journal : public QObject
{
    Q_OBJECT

public:
    QByteArrayList heard;
    std::function<void(const QByteArray &)> onHeard;
    void hear(const QByteArray &what)
    {
        heard << what;
        if (onHeard)
            onHeard(what);
    }

public Q_SLOTS:
    void slot_symbolChanged(Trade::ISymbol *symbol) { hear("S:" + (symbol ? symbol->name().toLatin1() : "-")); }
    void slot_accountChanged() { hear("A"); }
    void slot_orderInfoChanged() { hear("I"); }
    void slot_marketDataChanged() { hear("M"); }
    void slot_connectionChanged() { hear("C"); }
    void onDisposed() { hear("D"); }
};

// Market data of another host that runs host code when it greets a subscriber to its disposal.
class HookedQuotes : public QObject, public Trade::AbstractNotifier, public Trade::IMarketDataProvider
{
    Q_OBJECT

public:
    std::function<void()> onAttached;
    ~HookedQuotes() override { Q_EMIT disposed(this); }

Q_SIGNALS:
    void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_disposed(const Link *)
    {
        if (const auto attached = std::exchange(onAttached, nullptr))
            attached();
    }
};

struct World : Sample::Market
{
    Sample::ExitStrategyTemplate exitStrategy{QStringLiteral("two targets")};
    QPointer<Sample::MarketDataProvider> marketData = new Sample::MarketDataProvider(QStringLiteral("quotes"));
    Trade::VariantRecord info;
    Trade::PriceLevels levels;
    QPointer<Sample::TicketContext> ticket = new Sample::TicketContext;
    QPointer<Trade::OrderInfoProvider> follower = new Trade::OrderInfoProvider;
    Journal journal;
    QStringList reports;

    World()
    {
        info.setValue(topics.order().idField(), QStringLiteral("settings"));
        levels.firstPrice = Trade::Price(5012.25, &es);
        levels.secondPrice = Trade::Price(5000.0, &es);
        fill(*ticket);
        ticket->setPriceLevels(levels);
        follower->subscribe(&journal);
        follower->connectionProvider()->subscribe(&journal);
        journal.heard.clear(); // not the connection provider's greeting
    }
    ~World()
    {
        delete follower;
        delete ticket;
        delete marketData;
    }
    void fill(Sample::TicketContext &context)
    {
        context.setSymbol(&es);
        context.setSymbolName(QStringLiteral("E-mini S&P")); // announced as a symbol change
        context.setAccount(&account);
        context.setInfo(info);
        context.setExitStrategy(&exitStrategy);
        context.setMarketDataProvider(marketData);
        context.connectionProvider()->setBrokerConnection(&connection);
    }
    // Once, on `what` (anything if empty); cleared first, as announcements go on while the destructor runs.
    template <typename T>
    void deleteOnHearing(QPointer<T> &object, const QByteArray &what = QByteArray())
    {
        journal.onHeard = [&object, what](const QByteArray &heard) {
            if (T *const doomed = object.data(); doomed && (what.isEmpty() || heard == what)) {
                object.clear();
                delete doomed;
            }
        };
    }
    QByteArray items() const
    {
        Trade::OrderInfoProvider &p = *follower;
        const auto set = [](bool isSet) { return isSet ? '+' : '-'; };
        return QByteArray() + set(p.connectionProvider()->brokerConnection()) + set(!p.symbolName().isEmpty())
               + set(p.providesSymbol() && p.symbol()) + set(p.providesAccount())
               + set(p.info() != Trade::VariantRecord()) + set(p.exitStrategy())
               + set(p.priceLevels() != Trade::PriceLevels()) + set(p.marketDataProvider());
    }
};
using Operation = std::function<void(World &)>;

QString reportLine(const char *member, const char *condition)
{
    return Trade::ReportRecorder::line(u"orderinfoprovider",
                                       QStringLiteral("Trade::OrderInfoProvider::") + QLatin1String(member),
                                       QString::fromLatin1(condition));
}

} // namespace

Q_DECLARE_METATYPE(Operation)

template <typename Holder>
void pushesIntoHolder(World &w)
{
    Holder holder;
    w.follower->setExternalHolder(&holder);
    QSignalSpy connectionChanges(
        dynamic_cast<Trade::BrokerConnectionProvider *>(holder.connectionProvider()),
        SIGNAL(connectionChanged(Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *)));
    w.follower->setExternalProvider(w.ticket);
    QVERIFY(holder.account() == &w.account && holder.connectionProvider()->brokerConnection() == &w.connection);
    w.ticket->setAccount(nullptr);
    QVERIFY(!holder.account() && connectionChanges.size() == 1);
    w.follower->connectionProvider()->setBrokerConnection(nullptr); // a change of its own is pushed too
    QVERIFY(!holder.connectionProvider()->brokerConnection());
    w.follower->setExternalHolder(nullptr);
    w.ticket->setAccount(&w.account);
    QCOMPARE(holder.account(), nullptr);
}

class tst_OrderInfoProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void announcements_data()
    {
        // Rows start from nothing (0), following the ticket (1) or having copied it (2); that start is not heard.
        QTest::addColumn<int>("start");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArray>("heard"); // then " | " and the items afterwards (World::items()), if any
        const auto rows = [](int start) {      // the operation names the reports it expects in World::reports
            return [start](const char *name, const char *heard, const Operation &operation) {
                QTest::addRow("%s", name) << start << operation << QByteArray(heard);
            };
        };
        const auto row = rows(0), following = rows(1), copied = rows(2);

        // copyFrom announces every item once (three for the order settings), changed or not.
        const Operation copyTicket = [](World &w) { w.follower->copyFrom(w.ticket); };
        const Operation copyNothing = [](World &w) { w.follower->copyFrom(nullptr); };
        row("copy of a full context", "C S:ESZ26 A I I I M | ++++++++", copyTicket);
        copied("copy of the same context", "C S:ESZ26 A I I I | ++++++++", copyTicket);
        row("copy of nothing onto an empty context", "C S:- A I I I | --------", copyNothing);
        row("copy of a context without a connection provider", "C S:- A I I I | --------", [](World &w) {
            ReadOnlyContext empty;
            w.follower->copyFrom(&empty);
        });

        // The tail of a chain of three hears a change at the head once, and is emptied when the chain goes.
        row("tail of a chain", "S:ESZ26 S:ESZ26 A I I M C I S:- C S:- A I I I M | --------", [](World &w) {
            Sample::TicketContext head;
            Trade::OrderInfoProvider middle;
            middle.setExternalProvider(&head);
            w.follower->setExternalProvider(&middle);
            w.journal.heard.clear();
            w.fill(head);
            head.setSymbol(nullptr); // clears the settings first
            QCOMPARE(w.items(), QByteArray("++-+-+-+"));
        });

        following("follow twice", " | ++++++++", [](World &w) { w.follower->setExternalProvider(w.ticket); });
        following("follow none", "C I I S:- A I I I M | --------", [](World &w) {
            w.follower->setExternalProvider(nullptr);
            w.ticket->setAccount(nullptr); // no longer heard
        });
        row("pushes into its holder", "C C S:ESZ26 A I I I M A C A | -+++++++",
            pushesIntoHolder<Trade::OrderInfoProvider>);
        row("pushes into a holder that is no Qt object", "C C S:ESZ26 A I I I M A C A | -+++++++",
            pushesIntoHolder<NonObjectHolder>);

        // Setters announce changes only. Prices compare on the symbol's tick grid.
        row("price levels equal on the grid, then the flag alone", "I I | ------+-", [](World &w) {
            Trade::PriceLevels other = w.levels;
            w.follower->setPriceLevels(w.levels);
            other.firstPrice = Trade::Price(5012.30, &w.es);
            w.follower->setPriceLevels(other);
            other.flag = true;
            w.follower->setPriceLevels(other);
        });
        row("same settings, exit strategy and name", "I I S:- | -+--++--", [](World &w) {
            QVERIFY(!w.follower->symbolAutoMappingShouldBeDisallowed());
            for (int i = 0; i < 2; ++i) {
                w.follower->setInfo(w.info);
                w.follower->setExitStrategy(&w.exitStrategy);
                w.follower->setSymbolName(QStringLiteral("E-mini S&P"));
                w.follower->setSymbolAutoMappingShouldBeDisallowed(true);
            }
            QVERIFY(w.follower->symbolAutoMappingShouldBeDisallowed());
        });
        copied("no symbol, no settings", "I I S:- | ++-+-+-+", [](World &w) { w.follower->setSymbol(nullptr); });

        // Deletion at any point: nothing is reached afterwards (the sanitizer run); no items once the follower goes.
        following("head before its follower", "C I I S:- A I I I M | --------", [](World &w) { delete w.ticket; });
        row("follower in its own announcement", "C C S:ESZ26 | ", [](World &w) {
            w.deleteOnHearing(w.follower, "S:ESZ26");
            w.follower->setExternalProvider(w.ticket);
            QCOMPARE(w.ticket->linkCountByName("symbolChanged"), 0);
        });
        row("head in its follower's announcement", "C C S:ESZ26 C S:- A I I I | --------", [](World &w) {
            w.deleteOnHearing(w.ticket, "S:ESZ26");
            w.follower->setExternalProvider(w.ticket);
        });
        following("head in its follower's settings announcement", "I C I I S:- A I I I M | --------", [](World &w) {
            w.deleteOnHearing(w.ticket);
            Trade::VariantRecord changed;
            changed.setValue(w.topics.order().idField(), QStringLiteral("changed"));
            w.ticket->setInfo(changed);
        });
        copied("follower in the reset of its settings", "I | ", [](World &w) {
            w.deleteOnHearing(w.follower);
            w.follower->setSymbol(nullptr);
        });
        row("itself as its external provider", "C S:- A I I I S:ESZ26 C S:- A I I I | ", [](World &w) {
            w.follower->setExternalProvider(w.follower); // hears its own announcements, and ends
            w.follower->setSymbol(&w.es);
            delete w.follower;
        });
        following("head changed by a listener of the follower's last disposed", "S:ESZ26 | ", [](World &w) {
            Journal listener;
            w.follower->subscribe("disposed", &listener, "onDisposed");
            listener.onHeard = [&w](const QByteArray &) { w.ticket->setSymbolName(w.ticket->symbolName() + u'+'); };
            delete w.follower;
            QCOMPARE(listener.heard.size(), 2); // the provider's and its base part's
        });
        row("holder before it is pushed into", "A C | +--+----", [](World &w) {
            auto *holder = new Trade::OrderInfoProvider;
            w.follower->setExternalHolder(holder);
            delete holder;
            w.follower->setAccount(&w.account);
            w.follower->connectionProvider()->setBrokerConnection(&w.connection);
        });
        following("market data provider", "M | +++++++-", [](World &w) {
            delete w.marketData;
            QCOMPARE(w.ticket->marketDataProvider(), nullptr);
        });

        // After any announcement a follower holds what its head holds now, whatever the observers did meanwhile.
        // A host that hears the head before the follower sets the head's symbol back to ES on hearing `when`.
        static const auto hostFirst = [](World &w, Journal &host, const char *when) {
            host.onHeard = [&w, when](const QByteArray &heard) {
                if (heard == when)
                    w.ticket->setSymbol(&w.es);
            };
            w.follower->setExternalProvider(nullptr);
            w.ticket->subscribe(&host);
            w.follower->setExternalProvider(w.ticket);
            w.journal.heard.clear();
        };
        following("head's symbol mapped while the head announces it", " | ++++++++", [](World &w) {
            Journal host;
            hostFirst(w, host, "S:NQZ26");
            w.ticket->setSymbol(&w.nq);
            QCOMPARE(w.follower->symbol(), w.ticket->symbol());
        });
        following("head takes its symbol back as it announces its loss of resolution", "I | ++++-+++", [](World &w) {
            Journal host;
            hostFirst(w, host, "S:-");
            w.es.setResolved(false); // heard by the follower after the ticket
            QCOMPARE(w.follower->symbol(), w.ticket->symbol());
            w.es.setResolved(true);
        });
        following("symbol deleted as the follower announces a new name", "S:YMZ26 I I S:- | ++-+-+-+", [](World &w) {
            QPointer doomed = new Sample::Symbol(QStringLiteral("YMZ26"), Symbology::symbolTypeFuture, 100, 100, 5.0);
            w.ticket->setSymbol(doomed);
            w.journal.heard.clear();
            w.deleteOnHearing(doomed, "S:YMZ26");
            w.ticket->setSymbolName(QStringLiteral("E-mini Dow"));
            QCOMPARE(w.follower->symbol(), nullptr);
        });
        following("own symbol set as it announces a new name", "S:ESZ26 S:NQZ26 S:ESZ26 | ++++++++", [](World &w) {
            w.journal.onHeard = [&w, done = false](const QByteArray &heard) mutable {
                if (heard == "S:ESZ26" && !std::exchange(done, true))
                    w.follower->setSymbol(&w.nq);
            };
            w.ticket->setSymbolName(QStringLiteral("E-mini"));
        });
        following("another provider followed while the first is copied", "C S:- A I I I | --------", [](World &w) {
            Sample::TicketContext other;
            other.setAccount(&w.account);
            w.follower->setExternalProvider(nullptr);
            w.journal.onHeard = [&w, &other](const QByteArray &heard) {
                if (heard == "C")
                    w.follower->setExternalProvider(&other);
            };
            w.follower->setExternalProvider(w.ticket);
            w.ticket->setSymbol(&w.nq); // followed no more
            QCOMPARE(w.items(), QByteArray("---+----"));
            w.journal.onHeard = nullptr;
            w.journal.heard.clear();
        });

        following("market data deleted while the ticket subscribes to it", "M | +++++++-", [](World &w) {
            auto *quotes = new HookedQuotes;
            quotes->onAttached = [quotes] { delete quotes; };
            w.ticket->setMarketDataProvider(quotes);
            QCOMPARE(w.ticket->marketDataProvider(), nullptr);
        });
        following("ticket deleted while it subscribes to market data", "C I I S:- A I I I M | --------", [](World &w) {
            HookedQuotes quotes;
            quotes.onAttached = [&w] { delete w.ticket; };
            w.ticket->setMarketDataProvider(&quotes);
        });

        // Misuse is reported, and the provider goes on.
        const QString notAnInterface =
            Trade::ReportRecorder::line(u"iobject", u"Common::IObject::as", u"result != NULL",
                                        Trade::ReportRecorder::quoted(u"invalid type, type must be interface and "
                                                                      u"inherit Common::IObject"));
        const QString notAHolder =
            reportLine("setExternalHolder", "holder == 0 || (holder->as<ISymbolAccountHolder>() != 0)");
        row("holder that is no holder", "A A | --------", [=](World &w) {
            ReadOnlyContext context;
            w.follower->setExternalHolder(&context);
            w.follower->setAccount(&w.account); // each push finds no holder
            w.follower->setExternalHolder(nullptr);
            w.follower->setAccount(nullptr);
            w.reports = {notAnInterface, notAHolder, notAnInterface};
        });
        row("symbol of a provider not followed", "I S:ESZ26 | --+--+--", [](World &w) {
            w.ticket->subscribe(w.follower);
            w.ticket->setSymbol(nullptr);
            w.ticket->setSymbol(&w.es); // taken all the same
            w.reports = QStringList(2, reportLine("slot_symbolChanged", "m_provider != 0"));
        });
        following("disposal of an unknown provider", "C I I S:- A I I I M | --------", [](World &w) {
            Sample::MarketDataProvider(QStringLiteral("other")).subscribe("disposed", w.follower, "onProviderDisposed");
            QVERIFY(!w.ticket->isSubscribed(w.follower.data())); // followed no more
            w.reports = QStringList{reportLine("onProviderDisposed", "object == m_provider")};
        });
        row("disposal of unknown market data", " | --------", [](World &w) {
            Sample::MarketDataProvider(QStringLiteral("other"))
                .subscribe("disposed", w.follower, "onMarketDataProviderDisposed");
            w.reports = QStringList{reportLine("onMarketDataProviderDisposed", "object == m_marketDataProvider")};
        });
    }

    void announcements()
    {
        QFETCH(int, start);
        QFETCH(Operation, operation);
        QFETCH(QByteArray, heard);

        Trade::ReportRecorder recorder;
        World world;
        if (start == 1)
            world.follower->setExternalProvider(world.ticket);
        else if (start == 2)
            world.follower->copyFrom(world.ticket);
        world.journal.heard.clear();
        operation(world);
        QCOMPARE(world.journal.heard.join(' ') + " | " + (world.follower ? world.items() : QByteArray()), heard);
        QCOMPARE(recorder.lines(), world.reports);
    }

    void symbolLife_data()
    {
        QTest::addColumn<QStringList>("steps");
        // Symbols heard ("-": none), the current one ("x": provider gone), "watched" while A has its subscriptions.
        QTest::addColumn<QByteArray>("outcome");
        QTest::addColumn<QStringList>("reports"); // then the logs: channel, severity, file, function, text
        const auto row = [](const char *name, const char *steps, const char *outcome, const QStringList &reports = {}) {
            QTest::addRow("%s", name) << QString::fromLatin1(steps).split(QLatin1String(", ")) << QByteArray(outcome)
                                      << reports;
        };
        const QStringList notResolved{
            Trade::ReportRecorder::logLine(0, 3, u"symbolaccountprovider", u"Trade::SymbolAccountProvider::setSymbol",
                                           u" Symbol=A is not resolved by core. It will be reset when subscribe")};
        row("same symbol again", "set A, set A", "A A watched");
        row("none after a symbol", "set A, set -", "A- -");
        row("another symbol", "set A, set B", "AB B");
        row("watched while unresolved", "set A, unresolve A", "A- - watched");
        row("resolution regained", "set A, unresolve A, resolve A", "A-A A watched");
        row("unresolved symbol accepted", "unresolve A, set A", "A A watched", notResolved);
        row("unresolved symbol set again", "set A, unresolve A, set A", "A-A A watched", notResolved);
        row("disposed while current", "set A, dispose A", "A- -");
        row("another symbol ends the watch", "set A, unresolve A, set B, resolve A", "A-B B");
        row("resolution of a symbol let go", "set A, set B, unresolve A, resolve A", "AB B");

        // "drop": the provider; "on <heard> <step>": in the announcement that completes what was heard.
        row("provider deleted on its new symbol", "on A drop, set A, unresolve A, resolve A", "A x");
        row("provider deleted on losing resolution", "on A- drop, set A, unresolve A, resolve A", "A- x");
        row("symbol deleted on losing resolution", "on A- dispose A, set A, unresolve A", "A- -");
        row("provider deleted, then its symbol changes", "set A, drop, unresolve A, resolve A", "A x");
        row("symbol deleted while unresolved", "set A, unresolve A, dispose A, set A", "A- -");

        // What the observers of a lost resolution choose stands.
        row("fallback chosen on losing resolution", "on A- set B, set A, unresolve A, resolve A", "A-B B");
        row("symbol resolved on losing resolution", "on A- resolve A, set A, unresolve A", "A-A A watched");

        // B wired to the provider's private slots by hand: signals of a symbol it does not hold.
        const QString resolveChanged = Trade::ReportRecorder::line(
            u"symbolaccountprovider", u"Trade::SymbolAccountProvider::slot_symbolResolveChanged",
            u"symbol == m_symbol || symbol == m_resolvingSymbol");
        row("resolution changes of an unknown symbol", "set A, hook B, unresolve B, resolve B", "AB B",
            {resolveChanged, resolveChanged});
        row("disposal of an unknown object", "set A, hook B, dispose B", "A- -",
            {Trade::ReportRecorder::line(u"symbolaccountprovider", u"Trade::SymbolAccountProvider::onSymbolDisposed",
                                         u"m_symbol == symbol || symbol == m_resolvingSymbol")});
    }

    void symbolLife()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, outcome);
        QFETCH(QStringList, reports);

        Sample::StandardTopics topics;
        const auto stock = [](QChar name) { return new Sample::Symbol(name, Symbology::symbolTypeStock, 1, 100); };
        QPointer<Sample::Symbol> symbols[] = {stock(u'A'), stock(u'B')};
        QPointer<Trade::SymbolAccountProvider> provider = new Trade::SymbolAccountProvider;
        Journal journal;
        provider->subscribe(&journal);
        const auto names = [&journal] { return journal.heard.join().replace("S:", ""); }; // "-" for none

        Trade::ReportRecorder recorder;
        std::function<void(const QString &)> run = [&](const QString &step) {
            const QString verb = step.section(u' ', 0, 0);
            Sample::Symbol *symbol = step.endsWith(u'-') ? nullptr : symbols[step.back() == u'B'];
            if (verb == QLatin1String("on"))
                journal.onHeard = [&, when = step.section(u' ', 1, 1).toLatin1(), then = step.section(u' ', 2)](auto) {
                    if (names() == when)
                        run(then);
                };
            else if (verb == QLatin1String("set"))
                provider->setSymbol(symbol);
            else if (verb.endsWith(QLatin1String("resolve")))
                symbol->setResolved(verb == QLatin1String("resolve"));
            else if (verb == QLatin1String("dispose"))
                delete symbol;
            else if (verb == QLatin1String("drop"))
                delete provider;
            else if (verb == QLatin1String("hook"))
                symbol->subscribe(provider.data(), "symbolResolveChanged"),
                    symbol->subscribe("disposed", provider.data(), "onSymbolDisposed");
        };
        for (const QString &step : steps)
            run(step);

        const QByteArray current = !provider ? "x" : provider->symbol() ? provider->symbol()->name().toLatin1() : "-";
        const bool watched = provider && symbols[0] && symbols[0]->isSubscribed(provider.data());
        QCOMPARE(names() + ' ' + current + (watched ? " watched" : ""), outcome);
        QCOMPARE(recorder.lines() + recorder.logLines(), reports);
        delete provider;
        qDeleteAll(std::begin(symbols), std::end(symbols));
    }
};

QTEST_GUILESS_MAIN(tst_OrderInfoProvider)
#include "tst_orderinfoprovider.moc"
