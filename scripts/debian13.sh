#!/usr/bin/env bash
# Runs one of this tree's commands on Debian 13 (Qt 6.8, gcc 14), inside a minimal Debian 13 root
# made with debootstrap, so that the newest Qt the project supports is built and tested beside the
# machine's own. Run as root on Debian.
#
# Usage: scripts/debian13.sh COMMAND [ARG...]
#   e.g. scripts/debian13.sh bash scripts/test.sh
#        scripts/debian13.sh bash scripts/bench.sh --benchmark_filter=Value
#
# The root lives in build-debian13/root (ignored by git) and is reused while it is there; delete
# the folder to make it anew. The tree is mounted at its own path inside it, and the command's build
# folders go to /var/tmp/typekit inside the root (TYPEKIT_BUILD_ROOT), so they never mix with the
# machine's own builds. The command's own set-up (scripts/setup-debian.sh) installs what it needs
# inside the root with apt-get. Mounts are undone when the command ends, however it ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }

chroot_dir="$root/build-debian13/root"
ready="$chroot_dir/.typekit-debian13"

# debootstrap, and the trixie keys (debian-archive-keyring), on the machine itself.
"$root/scripts/setup-debian.sh" --debootstrap

# Mounts left by a run that was killed are undone first: the root is never deleted or used with
# the tree or the machine's /dev still mounted inside it.
while read -r _ target _; do
    case "$target" in "$chroot_dir"/*) umount -l "$target" ;; esac
done < <(tac /proc/mounts)

if [ ! -f "$ready" ]; then
    # A root left half made by an interrupted run is made again from nothing.
    rm -rf "$chroot_dir"
    mkdir -p "$chroot_dir"
    echo "Making a Debian 13 root in $chroot_dir"
    debootstrap --variant=minbase trixie "$chroot_dir" >"$root/build-debian13/debootstrap.log" 2>&1 || {
        tail -n 20 "$root/build-debian13/debootstrap.log" >&2
        exit 1
    }
    touch "$ready"
fi
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"

mounted=()
cleanup() {
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount "${mounted[index]}" 2>/dev/null || umount -l "${mounted[index]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
mount_into() {  # mount_into TARGET MOUNT-ARGS...
    local target="$chroot_dir$1"
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}
mount_into /proc -t proc proc
mount_into /sys --bind /sys
mount_into /dev --bind /dev
mount_into /dev/pts --bind /dev/pts
mount_into "$root" --bind "$root"

# The root's own environment; CI's marker goes along, so scripts behave as they do in CI.
chroot "$chroot_dir" /usr/bin/env -i \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    TERM="${TERM:-dumb}" ${CI:+CI="$CI"} TYPEKIT_BUILD_ROOT=/var/tmp/typekit \
    bash -c 'cd "$0" && exec "$@"' "$root" "$@"
