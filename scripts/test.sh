#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit with its tests and runs them.
# Usage: scripts/test.sh [--sanitize]   (--sanitize: AddressSanitizer with leak detection and
# UndefinedBehaviorSanitizer, in a build directory of its own)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"

build="$root/build"
options=(-DTYPEKIT_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    options+=(-DTYPEKIT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTYPEKIT_BUILD_EXAMPLES=OFF)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:check_initialization_order=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fi

cmake -S "$root" -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
