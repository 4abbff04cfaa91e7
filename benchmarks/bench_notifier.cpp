// The notifier against the plain Qt operations it wraps: subscribe(observer) and
// unsubscribe(observer) against the same ten text-based connects and disconnects, emission
// through a notifier-made connection against a plain one, and destroying an observer that holds
// N links (O(N log N)) against destroying one with N plain connections.
#include "ratios.h"
#include "timeafter.h"

#include <notifierkit/checkedsubscription.h>
#include <notifierkit/commonabstractnotifier.h>

#include <QtCore/QObject>

#include <vector>

#define BENCH_TEN(M) M(s0) M(s1) M(s2) M(s3) M(s4) M(s5) M(s6) M(s7) M(s8) M(s9)
#define BENCH_SIGNAL(name) void name(int value);
#define BENCH_SLOT(name)                                                                                               \
    void slot_##name(int value)                                                                                        \
    {                                                                                                                  \
        sum += value;                                                                                                  \
    }

// 32 signals and 32 slots without parameters: any slot fits any signal, 1024 distinct links.
#define BENCH_EIGHT(M, p) M(p##a) M(p##b) M(p##c) M(p##d) M(p##e) M(p##f) M(p##g) M(p##h)
#define BENCH_32(M) BENCH_EIGHT(M, a) BENCH_EIGHT(M, b) BENCH_EIGHT(M, c) BENCH_EIGHT(M, d)
#define BENCH_PLAIN_SIGNAL(name) void name();
#define BENCH_PLAIN_SLOT(name)                                                                                         \
    void on##name()                                                                                                    \
    {                                                                                                                  \
    }

class TenSignals : public QObject, public Common::AbstractNotifier
{
    Q_OBJECT
Q_SIGNALS:
    BENCH_TEN(BENCH_SIGNAL)
};

class TenSlots : public QObject
{
    Q_OBJECT
public:
    int sum = 0;
public Q_SLOTS:
    BENCH_TEN(BENCH_SLOT)
};

class ManySignals : public QObject, public Common::AbstractNotifier
{
    Q_OBJECT
Q_SIGNALS:
    BENCH_32(BENCH_PLAIN_SIGNAL)
};

class ManySlots : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    BENCH_32(BENCH_PLAIN_SLOT)
};

namespace {

// The decorated texts of the methods of a meta-object's own class, in declaration order.
std::vector<QByteArray> methodTexts(const QMetaObject &metaObject, QMetaMethod::MethodType type)
{
    std::vector<QByteArray> texts;
    for (int index = metaObject.methodOffset(); index < metaObject.methodCount(); ++index) {
        const QMetaMethod method = metaObject.method(index);
        if (method.methodType() == type)
            texts.push_back((type == QMetaMethod::Signal ? "2" : "1") + method.methodSignature());
    }
    return texts;
}

const std::vector<QByteArray> tenSignals = methodTexts(TenSignals::staticMetaObject, QMetaMethod::Signal);
const std::vector<QByteArray> tenSlots = methodTexts(TenSlots::staticMetaObject, QMetaMethod::Slot);
const std::vector<QByteArray> manySignals = methodTexts(ManySignals::staticMetaObject, QMetaMethod::Signal);
const std::vector<QByteArray> manySlots = methodTexts(ManySlots::staticMetaObject, QMetaMethod::Slot);

void connectTen(TenSignals &publisher, TenSlots &observer)
{
    for (size_t i = 0; i < tenSignals.size(); ++i)
        QObject::connect(&publisher, tenSignals[i].constData(), &observer, tenSlots[i].constData());
}

void disconnectTen(TenSignals &publisher, TenSlots &observer)
{
    for (size_t i = 0; i < tenSignals.size(); ++i)
        QObject::disconnect(&publisher, tenSignals[i].constData(), &observer, tenSlots[i].constData());
}

void subscribeTen(TenSignals &publisher, TenSlots &observer)
{
    publisher.subscribe(&observer);
}

void unsubscribeTen(TenSignals &publisher, TenSlots &observer)
{
    publisher.unsubscribe(&observer);
}

void BM_ConnectTen(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(state, disconnectTen, connectTen);
}
BENCHMARK(BM_ConnectTen);

// The first subscribe() fills the meta-object information; every later one finds it cached.
void BM_SubscribeTen(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(state, unsubscribeTen, subscribeTen);
}
BENCHMARK(BM_SubscribeTen);

void BM_DisconnectTen(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(state, connectTen, disconnectTen);
}
BENCHMARK(BM_DisconnectTen);

void BM_UnsubscribeTen(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(state, subscribeTen, unsubscribeTen);
}
BENCHMARK(BM_UnsubscribeTen);

// One link checked by the compiler: the notifier's checked subscription against Qt's connection
// by member pointers.
void BM_ConnectOneByPointer(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(
        state, [](TenSignals &p, TenSlots &o) { QObject::disconnect(&p, &TenSignals::s3, &o, &TenSlots::slot_s3); },
        [](TenSignals &p, TenSlots &o) { QObject::connect(&p, &TenSignals::s3, &o, &TenSlots::slot_s3); });
}
BENCHMARK(BM_ConnectOneByPointer);

void BM_SubscribeOneChecked(benchmark::State &state)
{
    bench::timeAfter<TenSignals, TenSlots>(state, unsubscribeTen, [](TenSignals &p, TenSlots &o) {
        Common::subscribe(&p, TRADE_SIGNAL(TenSignals, s3), &o, TRADE_SLOT(TenSlots, slot_s3));
    });
}
BENCHMARK(BM_SubscribeOneChecked);

// The same pair made and undone in one timed step, without the timer's pauses.
void BM_ConnectDisconnectByPointer(benchmark::State &state)
{
    TenSignals p;
    TenSlots o;
    for (auto _ : state) {
        QObject::connect(&p, &TenSignals::s3, &o, &TenSlots::slot_s3);
        QObject::disconnect(&p, &TenSignals::s3, &o, &TenSlots::slot_s3);
    }
}
BENCHMARK(BM_ConnectDisconnectByPointer);

void BM_SubscribeUnsubscribeChecked(benchmark::State &state)
{
    TenSignals p;
    TenSlots o;
    for (auto _ : state) {
        Common::subscribe(&p, TRADE_SIGNAL(TenSignals, s3), &o, TRADE_SLOT(TenSlots, slot_s3));
        Common::unsubscribe(&p, TRADE_SIGNAL(TenSignals, s3), &o, TRADE_SLOT(TenSlots, slot_s3));
    }
}
BENCHMARK(BM_SubscribeUnsubscribeChecked);

void BM_EmitPlain(benchmark::State &state)
{
    TenSignals publisher;
    TenSlots observer;
    connectTen(publisher, observer);
    for (auto _ : state)
        Q_EMIT publisher.s3(1);
    benchmark::DoNotOptimize(observer.sum);
}
BENCHMARK(BM_EmitPlain);

void BM_EmitSubscribed(benchmark::State &state)
{
    TenSignals publisher;
    TenSlots observer;
    publisher.subscribe(&observer);
    for (auto _ : state)
        Q_EMIT publisher.s3(1);
    benchmark::DoNotOptimize(observer.sum);
}
BENCHMARK(BM_EmitSubscribed);

// Destroying an observer that holds N links (the first N signal/slot pairs) to one publisher,
// made by `link(publisher, observer, signal, slot)`.
template <typename MakeLink>
void destroyObserverHolding(benchmark::State &state, MakeLink link)
{
    const size_t links = size_t(state.range(0));
    ManySignals publisher;
    for (auto _ : state) {
        state.PauseTiming();
        auto *observer = new ManySlots;
        for (size_t i = 0; i < links; ++i)
            link(publisher, observer, manySignals[i % 32], manySlots[i / 32]);
        state.ResumeTiming();
        delete observer;
    }
    state.SetComplexityN(state.range(0));
}

void BM_DestroySubscribed(benchmark::State &state)
{
    destroyObserverHolding(state, [](ManySignals &publisher, ManySlots *observer, const QByteArray &signal,
                                     const QByteArray &slot) { publisher.subscribe(signal, observer, slot); });
}
BENCHMARK(BM_DestroySubscribed)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oNLogN);

void BM_DestroyConnected(benchmark::State &state)
{
    destroyObserverHolding(
        state, [](ManySignals &publisher, ManySlots *observer, const QByteArray &signal, const QByteArray &slot) {
            QObject::connect(&publisher, signal.constData(), observer, slot.constData());
        });
}
BENCHMARK(BM_DestroyConnected)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWithRatios(argc, argv,
                                {{"BM_SubscribeTen", "BM_ConnectTen", 3.0},
                                 {"BM_UnsubscribeTen", "BM_DisconnectTen", 3.0},
                                 {"BM_EmitSubscribed", "BM_EmitPlain", 1.05},
                                 {"BM_SubscribeOneChecked", "BM_ConnectOneByPointer", 2.0},
                                 {"BM_SubscribeUnsubscribeChecked", "BM_ConnectDisconnectByPointer", 2.0}});
}

#include "bench_notifier.moc"
