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

# Findings kept on purpose, one per line: "file|check|text|why", matched by what the finding
# contains (an empty part matches any). What the host's interfaces fix stays as they give it.
kept=(
    # The host's interfaces declare their signals const (they are announced from const code), and
    # the classes that implement them declare them as the interfaces do, so that they override them.
    "|clazy-const-signal-or-slot|shouldn't be const|the host's interfaces declare their signals const"
    # Attach and detach slots take the link as `const Link*`: the notifier matches that text.
    "|clazy-fully-qualified-moc-types|const Link|the notifier finds attach and detach slots by the parameter text \"const Link*\""
    # The enumerations' display and persistent texts are made while the library loads and released
    # when it unloads, in the library's load order.
    "|clazy-non-pod-global-static|(LazyTexts)|the library's text tables are load-time statics"
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
