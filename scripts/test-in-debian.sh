#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Runs this checkout's scripts on another Debian release, as a new user of that release
# would: in a minimal root of it made with debootstrap, into which the last commit is cloned
# afresh. Each script runs there from the clone's top; every one must pass.
#
# Usage: scripts/test-in-debian.sh RELEASE [SCRIPT...]
#   RELEASE  a Debian code name (trixie, bookworm, ...)
#   SCRIPT   a path below the checkout, with its arguments in the same word if any
#            ("scripts/install-deps.sh weston"); by default the README's test command, the
#            Wayland tests, the package check and the installation of the package made there
#
# The root is kept in /var/cache/zendrel/RELEASE (ROOT_CACHE_DIR to choose another folder)
# and reused by the next run on this machine, packages and compiler cache included;
# FRESH_ROOT=1 makes it anew. The mirror is the one this machine's own apt sources name.
# Needs root: debootstrap and chroot do. Mounts live in a namespace of their own, so they,
# and every process started inside, end with the run.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ $# -ge 1 ]] || { echo "usage: $0 RELEASE [SCRIPT...]" >&2; exit 2; }
release=$1
shift
scripts=("$@")
[[ ${#scripts[@]} -gt 0 ]] ||
    scripts=(scripts/test.sh scripts/test-wayland.sh scripts/check-package.sh scripts/check-install.sh)
[[ $release =~ ^[a-z]+$ ]] || { echo "Not a Debian code name: $release" >&2; exit 2; }
[[ $(id -u) -eq 0 ]] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 1; }

start=$SECONDS
scripts/install-deps.sh debootstrap

# This machine's own Debian mirror: the site of the source that serves its own release, and
# of the one that serves its security updates.
host_release=$(. /etc/os-release && echo "$VERSION_CODENAME")
site_of() {
    apt-get indextargets --format '$(RELEASE) $(SITE)' | awk -v suite="$1" '$1 == suite { print $2; exit }'
}
mirror=$(site_of "$host_release")
security=$(site_of "$host_release-security")
[[ -n $mirror ]] || { echo "No apt source of this machine serves $host_release." >&2; exit 1; }

cache=${ROOT_CACHE_DIR:-/var/cache/zendrel}
root=$cache/$release
if [[ ${FRESH_ROOT:-0} == 1 || ! -e $root/.zendrel-root-complete ]]; then
    echo "== Making a minimal $release root from $mirror"
    rm -rf "$root"
    mkdir -p "$cache"
    debootstrap --variant=minbase --include=git,ca-certificates "$release" "$root" "$mirror" \
        >"$cache/$release-debootstrap.log" 2>&1 ||
        { tail -n 30 "$cache/$release-debootstrap.log"; echo "FAIL: debootstrap" >&2; exit 1; }
    {
        echo "deb $mirror $release main"
        echo "deb $mirror $release-updates main"
        [[ -z $security ]] || echo "deb $security $release-security main"
    } >"$root/etc/apt/sources.list"
    touch "$root/.zendrel-root-complete"
    echo "Made in $((SECONDS - start)) s"
else
    echo "== Reusing the $release root in $root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

rm -rf "$root/src/zendrel"
mkdir -p "$root/src"
git clone --quiet --no-local "$PWD" "$root/src/zendrel"
echo "== $(git log -1 --format='%h %s') on $(. "$root/etc/os-release" && echo "$PRETTY_NAME")"

# A new mount and process namespace: /proc, /sys and /dev for the root, and nothing left
# behind (Xvfb, weston, D-Bus) when the run ends.
status=0
unshare --mount --pid --fork --propagation private -- bash -s "$root" "${scripts[@]}" <<'INSIDE' || status=$?
set -euo pipefail
root=$1
shift
# The root a mount point of its own, as on a real system: the drive list lists mounts.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
failed=0
for script in "$@"; do
    echo
    echo "== $script"
    step_start=$SECONDS
    if chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /src/zendrel && $script"; then
        echo "== $script passed in $((SECONDS - step_start)) s"
    else
        echo "== $script FAILED (exit $?) after $((SECONDS - step_start)) s"
        failed=1
    fi
done
exit "$failed"
INSIDE
echo "== $release done in $((SECONDS - start)) s"
exit "$status"
