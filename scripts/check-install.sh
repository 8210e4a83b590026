#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Installs the package that scripts/check-package.sh made (build-deb-1) with apt, as a user
# of this release would, checks that the installed plim finds every library and starts and
# keeps running on a virtual display, then removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build-deb-1/build/zendrel_*.deb)
[[ $(id -u) -eq 0 ]] || { echo "Run as root: it installs the package." >&2; exit 1; }
scripts/install-deps.sh xvfb xauth

echo "== Depends: $(dpkg-deb -f "$deb" Depends)"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" >/dev/null
log=$(mktemp)
trap 'apt-get purge -y -qq zendrel >/dev/null; rm -f "$log"' EXIT
missing=$(ldd /usr/bin/plim | grep 'not found' || true)
[[ -z $missing ]] || { echo "$missing"; echo "FAIL: plim lacks libraries" >&2; exit 1; }

# Started by hand it shows its main window and waits for the user: still running after
# five seconds, it is stopped.
status=0
xvfb-run -a timeout 5 /usr/bin/plim >"$log" 2>&1 || status=$?
if [[ $status -ne 124 ]]; then
    cat "$log"
    echo "FAIL: the installed plim ended by itself (exit $status)" >&2
    exit 1
fi
echo "The installed plim started and kept running."
