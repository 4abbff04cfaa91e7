#!/usr/bin/env bash
# Installs what building typekit needs on Debian 12 or 13 (run as root), skipping what is there.
# Usage: scripts/setup-debian.sh [--benchmarks] [--fuzzers] [--coverage] [--clazy] [--debootstrap]
set -euo pipefail

# fonts-dejavu-core: the offscreen platform draws the widget tests' and pictures' text with it.
# doxygen: the API reference, whose build without warnings is one of the tests.
# pkgconf (pkg-config), dpkg-dev (dpkg-shlibdeps) and file (which CPack runs on the libraries): the
# package tests and scripts/package.sh.
# qt6-tools-dev (CMake's Qt6LinguistTools) and qt6-l10n-tools (lupdate, lrelease): the catalogues
# of the display texts.
# qt6-declarative-dev and the QtQuick QML modules: the QML example over the live table model.
# abigail-tools (abidw, abidiff), xz-utils and git: the binary interface against its baselines.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev
          fonts-dejavu-core doxygen pkgconf dpkg-dev file abigail-tools xz-utils git
          qt6-declarative-dev qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript)
for arg in "$@"; do
    case "$arg" in
        --benchmarks) packages+=(libbenchmark-dev) ;;
        --fuzzers) packages+=(clang libclang-rt-dev) ;;
        --coverage) packages+=(gcovr) ;;
        --clazy) packages+=(clazy) ;;
        --debootstrap) packages=(debootstrap debian-archive-keyring) ;;  # what scripts/debian13.sh needs, alone
        *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
