#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit and runs the demo program, then draws the pictures of
# the exit strategy choice control (build/exitstrategycontrol.png) and of the order window, the
# sample order storage in a table view through the live table model (build/ordertable.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$root/build" -DTYPEKIT_BUILD_EXAMPLES=ON
cmake --build "$root/build" --parallel "$(nproc)" --target demo exitstrategycontrol ordertable
"$root/build/examples/demo"
"$root/build/examples/exitstrategycontrol" "$root/build/exitstrategycontrol.png"
"$root/build/examples/ordertable" "$root/build/ordertable.png"
