#!/usr/bin/env bash
# Runs Qt's static analysis, clazy, at levels 0 and 1 over the libraries (src/) and lists what it
# finds. Each finding that the code keeps on purpose is listed with the reason; any other finding
# is listed as new, and the script then fails.
# Usage: scripts/clazy.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh" --clazy
build="${TYPEKIT_BUILD_ROOT:-$root}/build-clazy"
cmake -S "$root" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DTYPEKIT_BUILD_TESTS=OFF \
    -DTYPEKIT_BUILD_EXAMPLES=OFF >/dev/null

# Findings kept on purpose: "file:check:text it contains" and why, one per line. What the host's
# interfaces fix stays as they give it.
kept=(
    # The host declares these signals const (they are announced from const code), and moc takes them so.
    "idisposable.h|clazy-const-signal-or-slot|disposed|the host's interface declares the signal const"
    "isymbolaccountprovider.h|clazy-const-signal-or-slot||the host's interface declares the signals const"
    "ibrokerconnectionprovider.h|clazy-const-signal-or-slot||the host's interface declares the signal const"
    "iorderinfoprovider.h|clazy-const-signal-or-slot||the host's interface declares the signals const"
    "isymbol.h|clazy-const-signal-or-slot||the host's interface declares the signal const"
    "istorage.h|clazy-const-signal-or-slot||the host's interface declares the signal const"
    "iactiveexitstrategyprovider.h|clazy-const-signal-or-slot||the host's interface declares the signal const"
    # Attach and detach slots take the link as `const Link*`: the notifier matches that text.
    "|clazy-fully-qualified-moc-types|const Link|the notifier finds attach and detach slots by the parameter text \"const Link*\""
    # Load-time statics: the library builds its tables and texts when it is loaded, in a fixed order.
    "library.cpp|clazy-non-pod-global-static||the load-time initialisers run in a fixed order when the library loads"
)

files=$(cd "$root" && find src -name '*.cpp' | sort)
report="$build/clazy.txt"
(cd "$root" && printf '%s\n' $files | xargs -P "$(nproc)" -n 8 clazy-standalone -p "$build" \
    -checks=level0,level1 -header-filter="$root/src/.*" 2>&1) \
    | grep -E 'warning: .*\[-Wclazy-' | sed "s|$root/||" | sort -u >"$report" || true

new=0
while IFS= read -r finding; do
    [ -n "$finding" ] || continue
    why=""
    for entry in "${kept[@]}"; do
        IFS='|' read -r file check text reason <<<"$entry"
        if [[ "$finding" == *"$file"* && "$finding" == *"$check"* && "$finding" == *"$text"* ]]; then
            why="$reason"
            break
        fi
    done
    if [ -n "$why" ]; then
        echo "kept: $finding"
        echo "      ($why)"
    else
        echo "NEW:  $finding"
        new=$((new + 1))
    fi
done <"$report"
echo "clazy: $(wc -l <"$report") findings, $new new"
[ "$new" -eq 0 ]
