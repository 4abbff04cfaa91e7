#!/usr/bin/env bash
# Sets up a Debian machine, builds the benchmarks in release mode and runs them; each program
# ends with the ratios of our operations to their baselines. Extra arguments go to every program
# (e.g. --benchmark_filter=Save).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh" --benchmarks
build="${TYPEKIT_BUILD_ROOT:-$root}/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTYPEKIT_BUILD_BENCHMARKS=ON \
    -DTYPEKIT_BUILD_TESTS=OFF -DTYPEKIT_BUILD_EXAMPLES=OFF
cmake --build "$build" --parallel "$(nproc)"
for program in "$build"/benchmarks/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    echo "== $(basename "$program") =="
    "$program" "$@"
done
