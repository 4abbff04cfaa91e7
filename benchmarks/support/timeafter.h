// Times an operation that needs its state undone before each run (a subscribe after an
// unsubscribe, a connect after a disconnect): `measured(a, b)` again and again, each time after
// an untimed `before(a, b)`, on two objects made once for the benchmark.
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

template <typename A, typename B, typename Before, typename Measured>
void timeAfter(benchmark::State &state, Before before, Measured measured)
{
    A a;
    B b;
    for (auto _ : state) {
        state.PauseTiming();
        before(a, b);
        state.ResumeTiming();
        measured(a, b);
    }
}

} // namespace bench
