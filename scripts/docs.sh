#!/usr/bin/env bash
# Sets up a Debian machine and builds the API reference with Doxygen into
# build/docs/reference/html/index.html.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$root/build"
cmake --build "$root/build" --target docs
echo "API reference: $root/build/docs/reference/html/index.html"
