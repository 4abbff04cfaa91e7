#!/usr/bin/env bash
# Sets up a Debian machine, builds typekit for /usr and makes its Debian packages with CPack, in
# build-package/: libtypekit12 (the shared libraries), libtypekit-dev (headers, CMake package,
# pkg-config files) and typekit-samplehost (the sample host and the test support).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DTYPEKIT_BUILD_TESTS=OFF -DTYPEKIT_BUILD_EXAMPLES=OFF
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
cpack -G DEB
for package in ./*.deb; do
    echo "== $package"
    dpkg-deb -f "$package" Package Version Depends
done
