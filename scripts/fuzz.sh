#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and
# runs each for a while, default 120 seconds, one after the other.
# Usage: scripts/fuzz.sh [seconds] [target...]     (targets: fuzz_dump fuzz_record fuzz_levels
#        fuzz_values fuzz_order; default all)
# Each target mutates the tracked seeds in fuzz/corpus/<target>/ and keeps what it finds in
# build-fuzz/corpus/<target>/, out of git; crashing inputs go to build-fuzz/artifacts/. To keep
# an input as a regression, copy it into the target's seed folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_dump fuzz_record fuzz_levels fuzz_values fuzz_order)
"$root/scripts/setup-debian.sh" --fuzzers
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTYPEKIT_BUILD_FUZZERS=ON -DTYPEKIT_SANITIZE=ON -DTYPEKIT_BUILD_TESTS=OFF -DTYPEKIT_BUILD_EXAMPLES=OFF
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

# The dictionary: the type names, member names and keys that the seeds hold.
dict="$build/saved.dict"
grep -hoP '"[\x20\x21\x23-\x5b\x5d-\x7e]+"' "$root"/fuzz/corpus/*/*.json | sort -u > "$dict"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    echo "== $target: $seconds s =="
    mkdir -p "$build/corpus/$target"
    "$build/fuzz/$target" -max_total_time="$seconds" -dict="$dict" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$target" "$root/fuzz/corpus/$target"
done
