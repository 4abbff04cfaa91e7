#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit and runs the demo program, then draws the picture of
# the exit strategy choice control (build/exitstrategycontrol.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$root/build" -DTYPEKIT_BUILD_EXAMPLES=ON
cmake --build "$root/build" --parallel "$(nproc)" --target demo exitstrategycontrol
"$root/build/examples/demo"
"$root/build/examples/exitstrategycontrol" "$root/build/exitstrategycontrol.png"
