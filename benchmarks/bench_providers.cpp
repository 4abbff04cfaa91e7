// The context providers against the plain Qt work they stand for.
//
// A symbol change at the head of a chain of three order info providers, each with one subscribed
// observer, against emitting the same signals through plain connections by hand (three
// emissions, the same five receivers), and against that plus what each provider also does on a
// symbol change: leaving the old symbol's disposed and symbolResolveChanged and joining the new
// one's, here with text-based disconnects and connects. Those twelve connection changes are
// nearly all of the cost; a change of the symbol's name alone, which travels the chain as a
// symbol change without them, shows what the providers add to the bare emissions.
//
// subscribe(follower) of an order info provider onto another, against making its four
// connections with text-based QObject::connect.
#include "ratios.h"
#include "samplefixture.h"
#include "timeafter.h"

#include <samplehost/ticket.h>
#include <typekit/orderinfoprovider.h>

#include <QtCore/QObject>

#include <array>

class SymbolObserver : public QObject
{
    Q_OBJECT
public:
    int heard = 0;
public Q_SLOTS:
    void slot_symbolChanged(Trade::ISymbol *, Trade::ISymbolAccountProvider *) { ++heard; }
};

// One link of the chain made by hand: it takes the symbol it hears and announces it in turn.
class Relay : public QObject
{
    Q_OBJECT
public:
    bool watchSymbols = false;
    Trade::ISymbol *symbol = nullptr;
Q_SIGNALS:
    void symbolChanged(Trade::ISymbol *symbol, Trade::ISymbolAccountProvider *provider);
public Q_SLOTS:
    void follow(Trade::ISymbol *newSymbol, Trade::ISymbolAccountProvider *)
    {
        if (watchSymbols) {
            if (auto *old = dynamic_cast<QObject *>(symbol)) {
                QObject::disconnect(old, "2disposed(Trade::IDisposable*)", this,
                                    "1onSymbolDisposed(Trade::IDisposable*)");
                QObject::disconnect(old, "2symbolResolveChanged(Trade::ISymbol*)", this,
                                    "1onSymbolResolveChanged(Trade::ISymbol*)");
            }
            if (auto *now = dynamic_cast<QObject *>(newSymbol)) {
                QObject::connect(now, "2disposed(Trade::IDisposable*)", this, "1onSymbolDisposed(Trade::IDisposable*)");
                QObject::connect(now, "2symbolResolveChanged(Trade::ISymbol*)", this,
                                 "1onSymbolResolveChanged(Trade::ISymbol*)");
            }
        }
        symbol = newSymbol;
        Q_EMIT symbolChanged(newSymbol, nullptr);
    }
    void onSymbolDisposed(Trade::IDisposable *) {}
    void onSymbolResolveChanged(Trade::ISymbol *) {}
};

namespace {

Trade::ISymbol *otherSymbol()
{
    static Sample::Symbol symbol(QStringLiteral("NQZ26"), Symbology::symbolTypeFuture, 25, 100, 20.0);
    return &symbol;
}

// Three order info providers, each following the one before and observed by one observer.
struct ProviderChain
{
    Sample::TicketContext head;
    Trade::OrderInfoProvider middle;
    Trade::OrderInfoProvider tail;
    std::array<SymbolObserver, 3> observers;

    ProviderChain()
    {
        middle.setExternalProvider(&head);
        tail.setExternalProvider(&middle);
        head.subscribe(&observers[0]);
        middle.subscribe(&observers[1]);
        tail.subscribe(&observers[2]);
    }
};

void BM_ChainSymbolChange(benchmark::State &state)
{
    Trade::ISymbol *symbols[] = {&bench::fixture().symbol, otherSymbol()};
    ProviderChain chain;
    size_t turn = 0;
    for (auto _ : state)
        chain.head.setSymbol(symbols[++turn % 2]);
    benchmark::DoNotOptimize(chain.observers[2].heard);
}
BENCHMARK(BM_ChainSymbolChange);

// The name alone: announced as a symbol change along the chain, with no subscriptions to change.
void BM_ChainSymbolNameChange(benchmark::State &state)
{
    const QString names[] = {QStringLiteral("E-mini"), QStringLiteral("E-mini S&P 500")};
    ProviderChain chain;
    chain.head.setSymbol(&bench::fixture().symbol);
    size_t turn = 0;
    for (auto _ : state)
        chain.head.setSymbolName(names[++turn % 2]);
    benchmark::DoNotOptimize(chain.observers[2].heard);
}
BENCHMARK(BM_ChainSymbolNameChange);

void chainByHand(benchmark::State &state, bool watchSymbols)
{
    Trade::ISymbol *symbols[] = {&bench::fixture().symbol, otherSymbol()};
    std::array<Relay, 3> relays;
    std::array<SymbolObserver, 3> observers;
    for (size_t i = 0; i < relays.size(); ++i) {
        relays[i].watchSymbols = watchSymbols;
        QObject::connect(&relays[i], "2symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*)", &observers[i],
                         "1slot_symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*)");
        if (i + 1 < relays.size())
            QObject::connect(&relays[i], "2symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*)",
                             &relays[i + 1], "1follow(Trade::ISymbol*,Trade::ISymbolAccountProvider*)");
    }
    size_t turn = 0;
    for (auto _ : state)
        relays[0].follow(symbols[++turn % 2], nullptr);
    benchmark::DoNotOptimize(observers[2].heard);
}

void BM_ChainEmittedByHand(benchmark::State &state)
{
    chainByHand(state, false);
}
BENCHMARK(BM_ChainEmittedByHand);

void BM_ChainWatchingSymbolsByHand(benchmark::State &state)
{
    chainByHand(state, true);
}
BENCHMARK(BM_ChainWatchingSymbolsByHand);

using Provider = Trade::OrderInfoProvider;

// The connections subscribe(follower) makes: every signal of an order info provider with a
// conventional slot in another one.
const char *const followerConnections[][2] = {
    {"2symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*)",
     "1slot_symbolChanged(Trade::ISymbol*,Trade::ISymbolAccountProvider*)"},
    {"2accountChanged(Trade::IAccount*,Trade::ISymbolAccountProvider*)",
     "1slot_accountChanged(Trade::IAccount*,Trade::ISymbolAccountProvider*)"},
    {"2orderInfoChanged(Trade::IOrderInfoProvider*)", "1slot_orderInfoChanged(Trade::IOrderInfoProvider*)"},
    {"2marketDataChanged(Trade::IOrderInfoProvider*)", "1slot_marketDataChanged(Trade::IOrderInfoProvider*)"},
};

void subscribeFollower(Provider &provider, Provider &follower)
{
    provider.subscribe(&follower);
}

void unsubscribeFollower(Provider &provider, Provider &follower)
{
    provider.unsubscribe(&follower);
}

void connectFollower(Provider &provider, Provider &follower)
{
    for (const auto &connection : followerConnections)
        QObject::connect(&provider, connection[0], &follower, connection[1]);
}

void disconnectFollower(Provider &provider, Provider &follower)
{
    for (const auto &connection : followerConnections)
        QObject::disconnect(&provider, connection[0], &follower, connection[1]);
}

void BM_SubscribeFollower(benchmark::State &state)
{
    bench::timeAfter<Provider, Provider>(state, unsubscribeFollower, subscribeFollower);
}
BENCHMARK(BM_SubscribeFollower);

void BM_ConnectFollower(benchmark::State &state)
{
    bench::timeAfter<Provider, Provider>(state, disconnectFollower, connectFollower);
}
BENCHMARK(BM_ConnectFollower);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_ChainSymbolChange", "BM_ChainEmittedByHand", 2.0},
                                 {"BM_ChainSymbolChange", "BM_ChainWatchingSymbolsByHand", 2.0},
                                 {"BM_ChainSymbolNameChange", "BM_ChainEmittedByHand", 0.0},
                                 {"BM_SubscribeFollower", "BM_ConnectFollower", 3.0}});
}

#include "bench_providers.moc"
