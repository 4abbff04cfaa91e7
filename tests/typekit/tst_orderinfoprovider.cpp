// The order info provider: what each change announces, following an external provider along a
// chain, pushing into an external holder, bad input, and deletion in every order.
#include <testsupport/reportrecorder.h>

#include <samplehost/ticket.h>
#include <typekit/orderinfoprovider.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

#include <functional>

namespace {

// A context others can read but not set (no Trade::ISymbolAccountHolder), without a connection
// provider.
class ReadOnlyContext : public QObject, public Trade::AbstractNotifier, public virtual Trade::IOrderInfoProvider
{
    Q_OBJECT

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

signals:
    void symbolChanged(Trade::ISymbol *, Trade::ISymbolAccountProvider *) const override;
    void accountChanged(Trade::IAccount *, Trade::ISymbolAccountProvider *) const override;
    void disposed(Trade::IDisposable *) const override;
    void orderInfoChanged(Trade::IOrderInfoProvider *) const override;
    void marketDataChanged(Trade::IOrderInfoProvider *) const override;
};

// What a provider announces, in order: "S:name" (or "S:-"), "A", "I", "M", and "C" from its
// connection provider ("D" when subscribed to disposed by hand). May act on what it hears.
class Journal : public QObject
{
    Q_OBJECT

public:
    QByteArrayList heard;
    std::function<void(const QByteArray &)> onHeard;

    void watch(Trade::OrderInfoProvider *provider)
    {
        provider->subscribe(this);
        provider->connectionProvider()->subscribe(this);
        heard.clear();  // not the connection provider's greeting
    }

public slots:
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

// The host's ticket with everything set, a follower and what the follower announces.
struct World : SampleMarket
{
    Sample::Symbol *const symbol = &es;
    Sample::Connection connection{QStringLiteral("broker")};
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
        levels.firstPrice = Trade::Price(5012.25, symbol);
        levels.secondPrice = Trade::Price(5000.0, symbol);
        ticket->connectionProvider()->setBrokerConnection(&connection);
        ticket->setSymbolName(QStringLiteral("E-mini S&P"));
        ticket->setSymbol(symbol);
        ticket->setAccount(&account);
        ticket->setInfo(info);
        ticket->setExitStrategy(&exitStrategy);
        ticket->setPriceLevels(levels);
        ticket->setMarketDataProvider(marketData);
        journal.watch(follower);
    }
    ~World()
    {
        delete follower;
        delete ticket;
        delete marketData;
    }
    // The follower's items, as one text.
    QByteArray items() const
    {
        Trade::OrderInfoProvider &p = *follower;
        const auto set = [](bool isSet) { return isSet ? '+' : '-'; };
        return QByteArray() + set(p.connectionProvider()->brokerConnection()) + set(!p.symbolName().isEmpty())
               + set(p.symbol()) + set(p.account()) + set(p.info() != Trade::VariantRecord())
               + set(p.exitStrategy()) + set(p.priceLevels() != Trade::PriceLevels()) + set(p.marketDataProvider());
    }
};
using Operation = std::function<void(World &)>;

QString reportLine(const char *function, const char *condition)
{
    return ReportRecorder::line(u"orderinfoprovider", QString::fromLatin1(function), QString::fromLatin1(condition));
}

// Deletes the object the first time; the pointer stays set while the object's destructor runs.
template <typename T>
void deleteOnce(QPointer<T> &pointer)
{
    T *const object = pointer.data();
    pointer.clear();
    delete object;
}

QByteArrayList words(const char *text)
{
    return QByteArray(text).split(' ');
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_OrderInfoProvider : public QObject
{
    Q_OBJECT

private slots:
    void announcements_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArrayList>("heard");
        QTest::addColumn<QByteArray>("items");  // afterwards, see World::items(), if the follower lives

        const auto row = [](const char *name, const Operation &operation, const char *heard, const char *items) {
            QTest::addRow("%s", name) << operation << (*heard ? words(heard) : QByteArrayList()) << QByteArray(items);
        };
        const auto follow = [](World &w) {
            w.follower->setExternalProvider(w.ticket);
            w.journal.heard.clear();
        };
        // copyFrom announces every item once (three for the order settings), changed or not.
        row("copy of a full context", [](World &w) { w.follower->copyFrom(w.ticket); }, "C S:ESZ26 A I I I M",
            "++++++++");
        row("copy of the same context", [](World &w) {
            w.follower->copyFrom(w.ticket);
            w.journal.heard.clear();
            w.follower->copyFrom(w.ticket);
        }, "C S:ESZ26 A I I I", "++++++++");
        row("copy of nothing onto a full context", [](World &w) {
            w.follower->copyFrom(w.ticket);
            w.journal.heard.clear();
            w.follower->copyFrom(nullptr);
        }, "C I I S:- A I I I M", "--------");
        row("copy of nothing onto an empty context", [](World &w) { w.follower->copyFrom(nullptr); }, "C S:- A I I I",
            "--------");
        row("copy of a context without a connection provider", [](World &w) {
            ReadOnlyContext empty;
            w.follower->copyFrom(&empty);
        }, "C S:- A I I I", "--------");

        // Following: the same provider again changes nothing; none resets every item.
        row("follow twice", [follow](World &w) {
            follow(w);
            w.follower->setExternalProvider(w.ticket);
        }, "", "++++++++");
        row("follow none", [follow](World &w) {
            follow(w);
            w.follower->setExternalProvider(nullptr);
            w.ticket->setAccount(nullptr);  // no longer heard
        }, "C I I S:- A I I I M", "--------");

        // Setters announce changes only. Prices compare on the symbol's tick grid.
        row("price levels equal on the grid, then the flag alone", [](World &w) {
            Trade::PriceLevels other = w.levels;
            w.follower->setPriceLevels(w.levels);
            other.firstPrice = Trade::Price(5012.30, w.symbol);
            w.follower->setPriceLevels(other);
            other.flag = true;
            w.follower->setPriceLevels(other);
        }, "I I", "------+-");
        row("same settings, exit strategy and name", [](World &w) {
            for (int i = 0; i < 2; ++i) {
                w.follower->setInfo(w.info);
                w.follower->setExitStrategy(&w.exitStrategy);
                w.follower->setSymbolName(QStringLiteral("E-mini S&P"));
                w.follower->setSymbolAutoMappingShouldBeDisallowed(true);
            }
            QVERIFY(w.follower->symbolAutoMappingShouldBeDisallowed());
        }, "I I S:-", "-+--++--");
        row("symbol dropped with its settings", [](World &w) {
            w.follower->setSymbol(w.symbol);
            w.follower->setInfo(w.info);
            w.follower->setPriceLevels(w.levels);
            w.follower->setSymbol(nullptr);
        }, "S:ESZ26 I I I I S:-", "--------");

        // Deletion, whatever goes first and whenever: nothing is reached afterwards (the sanitizer
        // run), nothing is reported. Items are empty when the follower is gone.
        row("head before its follower", [follow](World &w) {
            follow(w);
            delete w.ticket;
        }, "C I I S:- A I I I M", "--------");
        row("follower in its own announcement", [](World &w) {
            w.journal.onHeard = [&w](const QByteArray &what) {
                if (what == "S:ESZ26")
                    delete w.follower;
            };
            w.follower->setExternalProvider(w.ticket);
            QCOMPARE(w.ticket->linkCountByName("symbolChanged"), 0);
        }, "C C S:ESZ26", "");
        row("head in its follower's announcement", [](World &w) {
            w.journal.onHeard = [&w](const QByteArray &what) {
                if (what == "S:ESZ26")
                    delete w.ticket;
            };
            w.follower->setExternalProvider(w.ticket);
        }, "C C S:ESZ26 C S:- A I I I", "--------");
        row("follower in its greeting", [](World &w) {
            w.journal.onHeard = [&w](const QByteArray &) { deleteOnce(w.follower); };
            w.follower->setExternalProvider(w.ticket);
        }, "C", "");
        row("head in its follower's settings announcement", [follow](World &w) {
            follow(w);
            w.journal.onHeard = [&w](const QByteArray &) { deleteOnce(w.ticket); };
            Trade::VariantRecord changed;
            changed.setValue(w.topics.order().idField(), QStringLiteral("changed"));
            w.ticket->setInfo(changed);
        }, "I C I I S:- A I I I M", "--------");
        row("follower in the reset of its settings", [](World &w) {
            w.follower->setInfo(w.info);
            w.follower->setSymbol(w.symbol);
            w.journal.heard.clear();
            w.journal.onHeard = [&w](const QByteArray &) { deleteOnce(w.follower); };
            w.follower->setSymbol(nullptr);
        }, "I", "");
        row("itself as its external provider", [](World &w) {
            w.follower->setExternalProvider(w.follower);  // hears its own announcements, and ends
            QCOMPARE(w.journal.heard, words("C S:- A I I I"));
            w.follower->setSymbol(w.symbol);
            delete w.follower;
        }, "C S:- A I I I S:ESZ26 C S:- A I I I", "");
        row("head changed by a listener of the follower's last disposed", [follow](World &w) {
            follow(w);
            Journal listener;
            w.follower->subscribe("disposed", &listener, "onDisposed");
            listener.onHeard = [&w](const QByteArray &) { w.ticket->setSymbolName(w.ticket->symbolName() + u'+'); };
            delete w.follower;
            QCOMPARE(listener.heard.size(), 2);  // the provider's and its base part's
        }, "S:ESZ26", "");  // the first still reaches the follower
        row("holder before it is pushed into", [](World &w) {
            auto *holder = new Trade::OrderInfoProvider;
            w.follower->setExternalHolder(holder);
            delete holder;
            w.follower->setAccount(&w.account);
            w.follower->connectionProvider()->setBrokerConnection(&w.connection);
        }, "A C", "+--+----");
        row("market data provider", [follow](World &w) {
            follow(w);
            delete w.marketData;
            QCOMPARE(w.ticket->marketDataProvider(), nullptr);
        }, "M", "+++++++-");
    }

    void announcements()
    {
        QFETCH(Operation, operation);
        QFETCH(QByteArrayList, heard);
        QFETCH(QByteArray, items);

        ReportRecorder recorder;
        World world;
        operation(world);
        QCOMPARE(world.journal.heard, heard);
        QCOMPARE(world.follower ? world.items() : QByteArray(), items);
        QCOMPARE(recorder.count(), 0);
    }

    // A change at the head of a chain of three reaches the tail once.
    void followsAlongAChain()
    {
        ReportRecorder recorder;
        World world;
        Sample::TicketContext head;
        world.follower->setExternalProvider(&head);  // the middle
        Trade::OrderInfoProvider tail;
        tail.setExternalProvider(world.follower);
        Journal journal;
        journal.watch(&tail);

        head.setSymbol(world.symbol);
        head.setSymbolName(QStringLiteral("ES"));
        head.setAccount(&world.account);
        head.setInfo(world.info);
        head.setExitStrategy(&world.exitStrategy);
        head.setMarketDataProvider(world.marketData);
        head.connectionProvider()->setBrokerConnection(&world.connection);
        head.setSymbol(nullptr);  // clears the settings first
        QCOMPARE(journal.heard, words("S:ESZ26 S:ESZ26 A I I M C I S:-"));
        QCOMPARE(tail.symbolName(), QStringLiteral("ES"));
        QCOMPARE(tail.account(), &world.account);
        QCOMPARE(tail.exitStrategy(), &world.exitStrategy);
        QCOMPARE(tail.marketDataProvider(), world.marketData.data());
        QCOMPARE(tail.connectionProvider()->brokerConnection(), &world.connection);
        QCOMPARE(recorder.count(), 0);
    }

    void pushesIntoItsHolder()
    {
        ReportRecorder recorder;
        World world;
        Trade::OrderInfoProvider holder;
        world.follower->setExternalHolder(&holder);
        QSignalSpy connectionChanges(dynamic_cast<Trade::BrokerConnectionProvider *>(holder.connectionProvider()),
                                     &Trade::BrokerConnectionProvider::connectionChanged);

        world.follower->setExternalProvider(world.ticket);
        QCOMPARE(holder.account(), &world.account);
        QCOMPARE(holder.connectionProvider()->brokerConnection(), &world.connection);
        world.ticket->setAccount(nullptr);
        QCOMPARE(holder.account(), nullptr);
        QCOMPARE(connectionChanges.size(), 1);

        world.follower->setExternalHolder(nullptr);
        world.ticket->setAccount(&world.account);
        QCOMPARE(holder.account(), nullptr);
        QCOMPARE(recorder.count(), 0);
    }

    void badInput_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("reports");

        const QString notAHolder = ReportRecorder::line(u"iobject", u"Common::IObject::as", u"result != NULL",
                                                        ReportRecorder::quoted(u"invalid type, type must be interface and "
                                                                               u"inherit Common::IObject"));
        QTest::addRow("holder that is no holder") << Operation([](World &w) {
            ReadOnlyContext context;
            w.follower->setExternalHolder(&context);
            w.follower->setAccount(&w.account);  // each push finds no holder
            w.follower->setExternalHolder(nullptr);
            w.follower->setAccount(nullptr);
        }) << QStringList{notAHolder,
                          reportLine("Trade::OrderInfoProvider::setExternalHolder",
                                     "holder == 0 || (holder->as<ISymbolAccountHolder>() != 0)"),
                          notAHolder};
        QTest::addRow("symbol of a provider not followed") << Operation([](World &w) {
            w.ticket->subscribe(w.follower);
            w.ticket->setSymbol(nullptr);
            QCOMPARE(w.follower->symbol(), nullptr);
            w.ticket->setSymbol(w.symbol);  // taken all the same
            QCOMPARE(w.follower->symbol(), w.symbol);
        }) << QStringList(2, reportLine("Trade::OrderInfoProvider::slot_symbolChanged", "m_provider != 0"));
        QTest::addRow("disposal of an unknown provider") << Operation([](World &w) {
            w.follower->setExternalProvider(w.ticket);
            {
                Sample::MarketDataProvider other(QStringLiteral("other"));
                other.subscribe("disposed", w.follower, "onProviderDisposed");
            }
            QVERIFY(!w.ticket->isSubscribed(w.follower.data()));  // followed no more
            QCOMPARE(w.items(), QByteArray("--------"));
        }) << QStringList{reportLine("Trade::OrderInfoProvider::onProviderDisposed", "object == m_provider")};
        QTest::addRow("disposal of unknown market data") << Operation([](World &w) {
            Sample::MarketDataProvider other(QStringLiteral("other"));
            other.subscribe("disposed", w.follower, "onMarketDataProviderDisposed");
        }) << QStringList{reportLine("Trade::OrderInfoProvider::onMarketDataProviderDisposed",
                                     "object == m_marketDataProvider")};
    }

    void badInput()
    {
        QFETCH(Operation, operation);
        QFETCH(QStringList, reports);

        World world;
        ReportRecorder recorder;
        operation(world);
        QCOMPARE(recorder.lines(), reports);
    }
};

QTEST_GUILESS_MAIN(tst_OrderInfoProvider)
#include "tst_orderinfoprovider.moc"
