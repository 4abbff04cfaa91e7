#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit with gcc's coverage instrumentation, runs the whole
# suite (the fuzz corpus regressions included) and writes an HTML report with gcovr to
# build-coverage/coverage/index.html. Its last lines are the line and branch coverage of src/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh" --coverage
build="$root/build-coverage"
# Without a compiler cache, when the user's builds go through ccache: it may rewrite source paths
# relative to its base directory and hand back objects compiled elsewhere, and the counts of an
# instrumented object must name this checkout's sources exactly.
export CCACHE_DISABLE=1
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTYPEKIT_BUILD_TESTS=ON -DTYPEKIT_BUILD_EXAMPLES=OFF \
    -DCMAKE_CXX_COMPILER=g++ -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
    -DCMAKE_SHARED_LINKER_FLAGS=--coverage
cmake --build "$build" --parallel "$(nproc)"
find "$build" -name '*.gcda' -delete  # counts of earlier runs
# A Debug tree has no package tests: instrumented libraries name their build tree (where their
# counts go) and are never packaged.
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
report="$build/coverage"
mkdir -p "$report"
echo "Writing the report to $report/index.html"
# Branches of exception paths and of code the compiler proved unreachable are no branches of ours.
gcovr --root "$root" --object-directory "$build" --filter "$root/src/" \
    --exclude-throw-branches --exclude-unreachable-branches \
    --html-details "$report/index.html" --print-summary
