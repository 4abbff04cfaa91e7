#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit with its tests and runs them.
# Usage: scripts/test.sh [--sanitize | --thread | --debian13]
#   --sanitize: the whole suite under AddressSanitizer with leak detection and
#               UndefinedBehaviorSanitizer, with the fuzz targets' corpus regressions;
#   --thread:   only the tests that use threads (CTest label "threads"), under ThreadSanitizer;
#   --debian13: the whole suite once more on Debian 13 (Qt 6.8, gcc 14), in a Debian 13 root
#               made by scripts/debian13.sh.
# Each mode has a build directory of its own, under TYPEKIT_BUILD_ROOT (the tree by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --debian13 ]; then
    exec bash "$root/scripts/debian13.sh" bash scripts/test.sh
fi
"$root/scripts/setup-debian.sh"

build_root="${TYPEKIT_BUILD_ROOT:-$root}"
build="$build_root/build"
options=(-DTYPEKIT_BUILD_TESTS=ON -DTYPEKIT_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
targets=()
ctest_options=()
case "${1:-}" in
    "") ;;
    --sanitize)
        build="$build_root/build-sanitize"
        options+=(-DTYPEKIT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTYPEKIT_BUILD_EXAMPLES=OFF)
        export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:check_initialization_order=1:detect_stack_use_after_return=1"
        export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
        ;;
    --thread)
        build="$build_root/build-thread"
        options+=(-DTYPEKIT_SANITIZE_THREAD=ON -DCMAKE_BUILD_TYPE=Debug -DTYPEKIT_BUILD_EXAMPLES=OFF)
        targets=(--target threaded_tests)
        ctest_options=(-L threads)
        export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/.ci/tsan.supp"
        ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300 "${ctest_options[@]}"
