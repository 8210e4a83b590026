#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Runs the whole CTest suite of the Windows build (build-windows/, made by
# scripts/package-windows.sh) under Wine, on a virtual X display for the tests that use
# Qt's Windows platform plugin; ends with CTest's summary. Extra arguments go to CTest
# (-R tst_u_conv).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-windows}
[[ -x $build/wine-run ]] || { echo "No Windows build in $build: run scripts/package-windows.sh." >&2; exit 1; }
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export WINEPREFIX=$PWD/$build/wine-prefix
# Wine makes its prefix and starts its server at the first program it runs, which takes
# longer than a test may; done here once, the tests start at once.
"$build/wine-run" wineboot --init
# A drive without its medium, as a card reader without its card: a drive letter that leads
# to a folder that is not there.
ln -sfn "$PWD/$build/no-medium" "$WINEPREFIX/dosdevices/m:"
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@"
