#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Runs the test programs named as arguments once more as a user who is not root, so that
# their permission cases run for real: root reads every file whatever its permissions, and
# those cases skip under it. Under root the programs run as "nobody", from a copy in a
# scratch folder (the build folder may lie where nobody can reach it); any other user runs
# them as itself. CTest runs this with the wave tests that open files and folders.
set -euo pipefail
[[ $# -gt 0 ]] || { echo "usage: $0 TEST_PROGRAM..." >&2; exit 2; }

scratch=$(mktemp -d /tmp/zendrel-user.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/home" "$scratch/bin"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    chmod 755 "$scratch"
    chown nobody:nogroup "$scratch/home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# A clean environment, but the sanitizers' settings of a sanitizer build pass through.
run() {
    (cd "$scratch/home" && "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" \
        TMPDIR="$scratch/home" XDG_RUNTIME_DIR="$scratch/home" QT_QPA_PLATFORM=offscreen \
        LC_ALL=C.UTF-8 ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@")
}

echo "Running as $(run id -un) (uid $(run id -u))"
failed=0
for program in "$@"; do
    name=$(basename "$program")
    install -m 755 "$program" "$scratch/bin/$name"
    chmod 711 "$scratch/bin"
    log="$scratch/$name.log"
    status=0
    run timeout 300 "$scratch/bin/$name" >"$log" 2>&1 || status=$?
    # The permission cases, and the totals.
    grep -E '^(PASS|FAIL!|SKIP) .*ermission|^FAIL!|^Totals:' "$log" || true
    if [[ $status -ne 0 ]]; then
        cat "$log"
        failed=1
    elif grep -q 'root reads every' "$log"; then
        echo "FAIL: $name skipped its permission cases" >&2
        failed=1
    fi
done
[[ $failed -ne 0 ]] || echo "Every case passed as a user who is not root."
exit "$failed"
