#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Runs the window tests that a compositor without input devices allows under Wayland: on
# weston's headless backend, started and always stopped here, with Qt's wayland platform.
# Uses the build in build/ that scripts/test.sh makes; ends with "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh weston qt6-wayland

# Main window and window lifetime, dialer, converter, analyzer, colour schemes, random use.
# The calendar, selection window and accessibility tests type into fields, which needs the
# keyboard focus that a compositor without a seat never gives.
tests=(
    app/tst_plim_main
    dialer/tst_cc_code
    unit_conv/tst_u_conv
    wave/tst_wav_anal_main
    app/tst_colour_schemes
    random_actions/tst_random_actions
)
for test in "${tests[@]}"; do
    [[ -x build/tests/$test ]] || { echo "build/tests/$test is missing: run scripts/test.sh first" >&2; exit 1; }
done

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=zendrel-wayland-$$
weston_pid=
stop_weston() {
    if [[ -n $weston_pid ]]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_weston EXIT

export XDG_RUNTIME_DIR=$runtime
start_weston() {
    rm -f "$runtime/$socket"
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do
        [[ -S $runtime/$socket ]] && break
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -S $runtime/$socket ]]; then
        echo "weston did not start:" >&2
        tail -20 "$runtime/weston.log" >&2
        exit 1
    fi
}

export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
# Qt 6.4's own Wayland input context asks the compositor's seat for text input on every
# drop-down list that opens, without checking that there is a seat; weston's headless
# backend has none, and the program dies there (signal 11). Qt's compose input context
# does the same work for these tests without a seat. Qt 6.8 runs these tests with its own
# input context; the versions between 6.4 and 6.8 were never tried, so they keep compose.
qt_version=$(pkg-config --modversion Qt6Core)
if [[ $(printf '%s\n' "$qt_version" 6.8 | sort -V | head -n 1) != 6.8 ]]; then
    export QT_IM_MODULE=compose
    echo "Qt $qt_version: Qt's compose input context stands in for its Wayland one."
else
    echo "Qt $qt_version: Qt's own Wayland input context."
fi

passed=0
failed=0
for test in "${tests[@]}"; do
    # Each test on a weston of its own: on Debian 13, a weston 14.0.2 that has served the
    # earlier tests now and then answers the random user's windows so slowly that its 3000
    # actions outlast the time limit, though no one action stalls; alone it takes 3 s.
    [[ -z $weston_pid ]] || { kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null || true; }
    start_weston
    start=$SECONDS
    status=0
    timeout --kill-after=10 120 "build/tests/$test" >"$runtime/test.log" 2>&1 || status=$?
    # Debian 13's weston 14.0.2 dies of a segfault (wl_resource_post_event, from an idle
    # handler) when a window's xdg_toplevel goes before the first configure and its
    # xdg_surface comes a moment later. The tests let every window appear before they act
    # again, which leaves a few windows that a test opens and closes at once: a test that lost
    # its compositor that way runs once more, on a new one.
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        weston_status=0
        wait "$weston_pid" || weston_status=$?
        echo "weston died (exit $weston_status) during $test; it runs once more on a new weston"
        start_weston
        start=$SECONDS
        status=0
        timeout --kill-after=10 120 "build/tests/$test" >"$runtime/test.log" 2>&1 || status=$?
    fi
    if [[ $status -eq 0 ]]; then
        passed=$((passed + 1))
        echo "PASS  $test ($((SECONDS - start)) s): $(grep '^Totals' "$runtime/test.log")"
    else
        failed=$((failed + 1))
        echo "FAIL  $test (exit $status, $((SECONDS - start)) s)"
        grep -E '^(FAIL|QFATAL)|Assertion|Received signal|^Totals' -A2 "$runtime/test.log" | head -40
    fi
done
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
