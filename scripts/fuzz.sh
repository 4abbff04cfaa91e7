#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 120 seconds).
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
"$root/scripts/setup-debian.sh" --fuzzers
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTYPEKIT_BUILD_FUZZERS=ON -DTYPEKIT_SANITIZE=ON -DTYPEKIT_BUILD_TESTS=OFF -DTYPEKIT_BUILD_EXAMPLES=OFF
cmake --build "$build" --parallel "$(nproc)"
mkdir -p "$root/fuzz/corpus"
cd "$root/fuzz"
ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/fuzz_dump" -max_total_time="$seconds" -max_len=4096 \
    corpus seeds
