// The order info provider: what each change announces, following an external provider along a
// chain, pushing into an external holder, bad input, and deletion in every order.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/ticket.h>
#include <typekit/orderinfoprovider.h>

#include <QtTest/QtTest>

#include <functional>
#include <memory>
#include <utility>

namespace {

// A context with no symbol, account, connection provider or settings.
class EmptyContext : public virtual Trade::IOrderInfoProvider
{
public:
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
};

// A context others can read but not set (no Trade::ISymbolAccountHolder).
class ReadOnlyContext : public QObject, public Trade::AbstractNotifier, public EmptyContext
{
    Q_OBJECT

Q_SIGNALS:
    void symbolChanged(Trade::ISymbol *, Trade::ISymbolAccountProvider *) const override;
    void accountChanged(Trade::IAccount *, Trade::ISymbolAccountProvider *) const override;
    void disposed(Trade::IDisposable *) const override;
    void orderInfoChanged(Trade::IOrderInfoProvider *) const override;
    void marketDataChanged(Trade::IOrderInfoProvider *) const override;
};

// A holder that is no Qt object: it keeps the account pushed into it, and has a connection provider.
class PlainHolder : public Trade::AbstractNotifier, public EmptyContext, public virtual Trade::ISymbolAccountHolder
{
public:
    bool providesAccount() const override { return m_account != nullptr; }
    Trade::IAccount *account() const override { return m_account; }
    Trade::IBrokerConnectionProvider *connectionProvider() const override { return m_connection.get(); }
    void setSymbol(Trade::ISymbol *) override {}
    void setAccount(Trade::IAccount *value) override { m_account = value; }
    void symbolChanged(Trade::ISymbol *, Trade::ISymbolAccountProvider *) const override {}
    void accountChanged(Trade::IAccount *, Trade::ISymbolAccountProvider *) const override {}
    void disposed(Trade::IDisposable *) const override {}
    void orderInfoChanged(Trade::IOrderInfoProvider *) const override {}
    void marketDataChanged(Trade::IOrderInfoProvider *) const override {}

private:
    Trade::IAccount *m_account = nullptr;
    std::unique_ptr<Trade::BrokerConnectionProvider> m_connection = std::make_unique<Trade::BrokerConnectionProvider>();
};

// What a provider announces, in order: "S:name" (or "S:-"), "A", "I", "M", and "C" from its
// connection provider ("D" when subscribed to disposed by hand). May act on what it hears.
class Journal : public QObject
{
    Q_OBJECT

public:
    QByteArrayList heard;
    std::function<void(const QByteArray &)> onHeard;

public Q_SLOTS:
    void slot_symbolChanged(Trade::ISymbol *symbol) { hear("S:" + (symbol ? symbol->name().toLatin1() : "-")); }
    void slot_accountChanged() { hear("A"); }
    void slot_orderInfoChanged() { hear("I"); }
    void slot_marketDataChanged() { hear("M"); }
    void slot_connectionChanged() { hear("C"); }
    void onDisposed() { hear("D"); }

private:
    void hear(const QByteArray &what)
    {
        heard << what;
        if (onHeard)
            onHeard(what);
    }
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

// The host's ticket with everything set (on the market's symbol, account and connection), a
// follower and what the follower announces.
struct World : Sample::Market
{
    Sample::ExitStrategyTemplate exitStrategy{QStringLiteral("two targets")};
    QPointer<Sample::MarketDataProvider> marketData = new Sample::MarketDataProvider(QStringLiteral("quotes"));
    Trade::VariantRecord info;
    Trade::PriceLevels levels;
    QPointer<Sample::TicketContext> ticket = new Sample::TicketContext;
    QPointer<Trade::OrderInfoProvider> follower = new Trade::OrderInfoProvider;
    Journal journal;

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
    // Sets every item of the context but the price levels, one after the other.
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
    // Deletes the object once, when the follower announces `what` (anything, if empty). The pointer is
    // cleared first: the announcements go on while the object's destructor runs.
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
    // A host that hears the ticket before the follower does and, when the ticket announces
    // `when`, sets the ticket's symbol to ES (mapping it, or taking it back).
    void hearBeforeFollower(Journal &host, const QByteArray &when)
    {
        host.onHeard = [this, when](const QByteArray &heard) {
            if (heard == when)
                ticket->setSymbol(&es);
        };
        follower->setExternalProvider(nullptr);
        ticket->subscribe(&host);
        follower->setExternalProvider(ticket);
        journal.heard.clear();
    }
    // The follower's items, as one text.
    QByteArray items() const
    {
        Trade::OrderInfoProvider &p = *follower;
        const auto set = [](bool isSet) { return isSet ? '+' : '-'; };
        return QByteArray() + set(p.connectionProvider()->brokerConnection()) + set(!p.symbolName().isEmpty())
               + set(p.symbol()) + set(p.account()) + set(p.info() != Trade::VariantRecord()) + set(p.exitStrategy())
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

// The follower pushes its account and connection into a holder of that kind until it lets it go.
template <typename Holder>
void pushesIntoHolder(World &w)
{
    Holder holder;
    w.follower->setExternalHolder(&holder);
    QSignalSpy connectionChanges(
        dynamic_cast<Trade::BrokerConnectionProvider *>(holder.connectionProvider()),
        SIGNAL(connectionChanged(Trade::IBrokerConnection *, Trade::IBrokerConnectionProvider *)));
    w.follower->setExternalProvider(w.ticket);
    QCOMPARE(holder.account(), &w.account);
    QCOMPARE(holder.connectionProvider()->brokerConnection(), &w.connection);
    w.ticket->setAccount(nullptr);
    QCOMPARE(holder.account(), nullptr);
    QCOMPARE(connectionChanges.size(), 1);
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
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArray>("heard");
        QTest::addColumn<QByteArray>("items"); // afterwards, see World::items(), if the follower lives
        QTest::addColumn<QStringList>("reports");

        const auto row = [](const char *name, const Operation &operation, const char *heard, const char *items,
                            const QStringList &reports = {}) {
            QTest::addRow("%s", name) << operation << QByteArray(heard) << QByteArray(items) << reports;
        };
        // Rows that begin with the follower following, or having copied, the ticket; what that announced is forgotten.
        const auto after = [row](const Operation &start) {
            return [row, start](const char *name, const Operation &operation, const char *heard, const char *items,
                                const QStringList &reports = {}) {
                row(
                    name,
                    [=](World &w) {
                        start(w);
                        w.journal.heard.clear();
                        operation(w);
                    },
                    heard, items, reports);
            };
        };
        const auto following = after([](World &w) { w.follower->setExternalProvider(w.ticket); });
        const auto copied = after([](World &w) { w.follower->copyFrom(w.ticket); });

        // copyFrom announces every item once (three for the order settings), changed or not.
        row(
            "copy of a full context", [](World &w) { w.follower->copyFrom(w.ticket); }, "C S:ESZ26 A I I I M",
            "++++++++");
        copied(
            "copy of the same context", [](World &w) { w.follower->copyFrom(w.ticket); }, "C S:ESZ26 A I I I",
            "++++++++");
        const Operation copyNothing = [](World &w) { w.follower->copyFrom(nullptr); };
        copied("copy of nothing onto a full context", copyNothing, "C I I S:- A I I I M", "--------");
        row("copy of nothing onto an empty context", copyNothing, "C S:- A I I I", "--------");
        row(
            "copy of a context without a connection provider",
            [](World &w) {
                ReadOnlyContext empty;
                w.follower->copyFrom(&empty);
            },
            "C S:- A I I I", "--------");

        // The tail of a chain of three hears a change at the head once, and is emptied when the chain goes.
        row(
            "tail of a chain",
            [](World &w) {
                Sample::TicketContext head;
                Trade::OrderInfoProvider middle;
                middle.setExternalProvider(&head);
                w.follower->setExternalProvider(&middle);
                w.journal.heard.clear();
                w.fill(head);
                head.setSymbol(nullptr); // clears the settings first
                QCOMPARE(w.journal.heard.join(' '), QByteArray("S:ESZ26 S:ESZ26 A I I M C I S:-"));
                QCOMPARE(w.items(), QByteArray("++-+-+-+"));
                w.journal.heard.clear();
            },
            "C S:- A I I I M", "--------");

        // Following: the same provider again changes nothing; none resets every item.
        following(
            "follow twice", [](World &w) { w.follower->setExternalProvider(w.ticket); }, "", "++++++++");
        following(
            "follow none",
            [](World &w) {
                w.follower->setExternalProvider(nullptr);
                w.ticket->setAccount(nullptr); // no longer heard
            },
            "C I I S:- A I I I M", "--------");
        row("pushes into its holder", pushesIntoHolder<Trade::OrderInfoProvider>, "C C S:ESZ26 A I I I M A A",
            "++++++++");
        row("pushes into a holder that is no Qt object", pushesIntoHolder<PlainHolder>, "C C S:ESZ26 A I I I M A A",
            "++++++++");

        // Setters announce changes only. Prices compare on the symbol's tick grid.
        row(
            "price levels equal on the grid, then the flag alone",
            [](World &w) {
                Trade::PriceLevels other = w.levels;
                w.follower->setPriceLevels(w.levels);
                other.firstPrice = Trade::Price(5012.30, &w.es);
                w.follower->setPriceLevels(other);
                other.flag = true;
                w.follower->setPriceLevels(other);
            },
            "I I", "------+-");
        row(
            "same settings, exit strategy and name",
            [](World &w) {
                QVERIFY(!w.follower->symbolAutoMappingShouldBeDisallowed());
                for (int i = 0; i < 2; ++i) {
                    w.follower->setInfo(w.info);
                    w.follower->setExitStrategy(&w.exitStrategy);
                    w.follower->setSymbolName(QStringLiteral("E-mini S&P"));
                    w.follower->setSymbolAutoMappingShouldBeDisallowed(true);
                }
                QVERIFY(w.follower->symbolAutoMappingShouldBeDisallowed());
            },
            "I I S:-", "-+--++--");
        row(
            "symbol dropped with its settings",
            [](World &w) {
                w.follower->setSymbol(&w.es);
                w.follower->setInfo(w.info);
                w.follower->setPriceLevels(w.levels);
                w.follower->setSymbol(nullptr);
            },
            "S:ESZ26 I I I I S:-", "--------");

        // Deletion, whatever goes first and whenever: nothing is reached afterwards (the sanitizer
        // run), nothing is reported. Items are empty when the follower is gone.
        following(
            "head before its follower", [](World &w) { delete w.ticket; }, "C I I S:- A I I I M", "--------");
        row(
            "follower in its own announcement",
            [](World &w) {
                w.deleteOnHearing(w.follower, "S:ESZ26");
                w.follower->setExternalProvider(w.ticket);
                QCOMPARE(w.ticket->linkCountByName("symbolChanged"), 0);
            },
            "C C S:ESZ26", "");
        row(
            "head in its follower's announcement",
            [](World &w) {
                w.deleteOnHearing(w.ticket, "S:ESZ26");
                w.follower->setExternalProvider(w.ticket);
            },
            "C C S:ESZ26 C S:- A I I I", "--------");
        row(
            "follower in its greeting",
            [](World &w) {
                w.deleteOnHearing(w.follower);
                w.follower->setExternalProvider(w.ticket);
            },
            "C", "");
        following(
            "head in its follower's settings announcement",
            [](World &w) {
                w.deleteOnHearing(w.ticket);
                Trade::VariantRecord changed;
                changed.setValue(w.topics.order().idField(), QStringLiteral("changed"));
                w.ticket->setInfo(changed);
            },
            "I C I I S:- A I I I M", "--------");
        row(
            "follower in the reset of its settings",
            [](World &w) {
                w.follower->setInfo(w.info);
                w.follower->setSymbol(&w.es);
                w.journal.heard.clear();
                w.deleteOnHearing(w.follower);
                w.follower->setSymbol(nullptr);
            },
            "I", "");
        row(
            "itself as its external provider",
            [](World &w) {
                w.follower->setExternalProvider(w.follower); // hears its own announcements, and ends
                QCOMPARE(w.journal.heard.join(' '), QByteArray("C S:- A I I I"));
                w.follower->setSymbol(&w.es);
                delete w.follower;
            },
            "C S:- A I I I S:ESZ26 C S:- A I I I", "");
        following(
            "head changed by a listener of the follower's last disposed",
            [](World &w) {
                Journal listener;
                w.follower->subscribe("disposed", &listener, "onDisposed");
                listener.onHeard = [&w](const QByteArray &) { w.ticket->setSymbolName(w.ticket->symbolName() + u'+'); };
                delete w.follower;
                QCOMPARE(listener.heard.size(), 2); // the provider's and its base part's
            },
            "S:ESZ26", ""); // the first still reaches the follower
        row(
            "holder before it is pushed into",
            [](World &w) {
                auto *holder = new Trade::OrderInfoProvider;
                w.follower->setExternalHolder(holder);
                delete holder;
                w.follower->setAccount(&w.account);
                w.follower->connectionProvider()->setBrokerConnection(&w.connection);
            },
            "A C", "+--+----");
        following(
            "market data provider",
            [](World &w) {
                delete w.marketData;
                QCOMPARE(w.ticket->marketDataProvider(), nullptr);
            },
            "M", "+++++++-");

        // After any announcement a follower holds what its head holds now, whatever the observers
        // did meanwhile: a host that maps the head's symbol while announcing it, a symbol deleted
        // while the follower announces its new name, a follower told to follow another provider
        // while it copies the first.
        following(
            "head's symbol mapped while the head announces it",
            [](World &w) {
                Journal host;
                w.hearBeforeFollower(host, "S:NQZ26");
                w.ticket->setSymbol(&w.nq);
                QCOMPARE(w.follower->symbol(), w.ticket->symbol());
            },
            "", "++++++++");
        following(
            "head takes its symbol back while it announces its loss of resolution",
            [](World &w) {
                Journal host;
                w.hearBeforeFollower(host, "S:-");
                w.es.setResolved(false); // heard by the follower after the ticket
                QCOMPARE(w.follower->symbol(), w.ticket->symbol());
                w.es.setResolved(true);
            },
            "I", "++++-+++");
        following(
            "symbol deleted while the follower announces the head's new name",
            [](World &w) {
                auto *doomed = new Sample::Symbol(QStringLiteral("YMZ26"), Symbology::symbolTypeFuture, 100, 100, 5.0);
                w.ticket->setSymbol(doomed);
                w.journal.heard.clear();
                w.journal.onHeard = [&doomed](const QByteArray &heard) {
                    if (heard == "S:YMZ26")
                        delete std::exchange(doomed, nullptr);
                };
                w.ticket->setSymbolName(QStringLiteral("E-mini Dow"));
                QCOMPARE(w.follower->symbol(), nullptr);
            },
            "S:YMZ26 I I S:-", "++-+-+-+");
        following(
            "another provider followed while the first is copied",
            [](World &w) {
                Sample::TicketContext other;
                other.setAccount(&w.account);
                w.follower->setExternalProvider(nullptr);
                w.journal.onHeard = [&w, &other](const QByteArray &heard) {
                    if (heard == "C")
                        w.follower->setExternalProvider(&other);
                };
                w.follower->setExternalProvider(w.ticket);
                QCOMPARE(w.items(), QByteArray("---+----"));
                w.ticket->setSymbol(&w.nq); // followed no more
                QCOMPARE(w.items(), QByteArray("---+----"));
                w.journal.onHeard = nullptr;
                w.journal.heard.clear();
            },
            "C S:- A I I I", "--------");

        following(
            "market data deleted while the ticket subscribes to it",
            [](World &w) {
                auto *quotes = new HookedQuotes;
                quotes->onAttached = [quotes] { delete quotes; };
                w.ticket->setMarketDataProvider(quotes);
                QCOMPARE(w.ticket->marketDataProvider(), nullptr);
            },
            "M", "+++++++-");
        following(
            "ticket deleted while it subscribes to market data",
            [](World &w) {
                HookedQuotes quotes;
                quotes.onAttached = [&w] { delete w.ticket; };
                w.ticket->setMarketDataProvider(&quotes);
            },
            "C I I S:- A I I I M", "--------");

        // Misuse is reported, and the provider goes on.
        const QString notAnInterface =
            Trade::ReportRecorder::line(u"iobject", u"Common::IObject::as", u"result != NULL",
                                        Trade::ReportRecorder::quoted(u"invalid type, type must be interface and "
                                                                      u"inherit Common::IObject"));
        const QString notAHolder =
            reportLine("setExternalHolder", "holder == 0 || (holder->as<ISymbolAccountHolder>() != 0)");
        row("holder that is no holder",
            [](World &w) {
                ReadOnlyContext context;
                w.follower->setExternalHolder(&context);
                w.follower->setAccount(&w.account); // each push finds no holder
                w.follower->setExternalHolder(nullptr);
                w.follower->setAccount(nullptr);
            },
            "A A", "--------", {notAnInterface, notAHolder, notAnInterface});
        row(
            "symbol of a provider not followed",
            [](World &w) {
                w.ticket->subscribe(w.follower);
                w.ticket->setSymbol(nullptr);
                w.ticket->setSymbol(&w.es); // taken all the same
            },
            "I S:ESZ26", "--+--+--", QStringList(2, reportLine("slot_symbolChanged", "m_provider != 0")));
        following("disposal of an unknown provider",
                  [](World &w) {
                      Sample::MarketDataProvider(QStringLiteral("other"))
                          .subscribe("disposed", w.follower, "onProviderDisposed");
                      QVERIFY(!w.ticket->isSubscribed(w.follower.data())); // followed no more
                  },
                  "C I I S:- A I I I M", "--------", {reportLine("onProviderDisposed", "object == m_provider")});
        row("disposal of unknown market data",
            [](World &w) {
                Sample::MarketDataProvider(QStringLiteral("other"))
                    .subscribe("disposed", w.follower, "onMarketDataProviderDisposed");
            },
            "", "--------", {reportLine("onMarketDataProviderDisposed", "object == m_marketDataProvider")});
    }

    void announcements()
    {
        QFETCH(Operation, operation);
        QFETCH(QByteArray, heard);
        QFETCH(QByteArray, items);
        QFETCH(QStringList, reports);

        Trade::ReportRecorder recorder;
        World world;
        operation(world);
        QCOMPARE(world.journal.heard.join(' '), heard);
        QCOMPARE(world.follower ? world.items() : QByteArray(), items);
        QCOMPARE(recorder.lines(), reports);
    }
};

QTEST_GUILESS_MAIN(tst_OrderInfoProvider)
#include "tst_orderinfoprovider.moc"
