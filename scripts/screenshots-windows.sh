#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Remakes the pictures of every window of the Windows build (build-windows/, made by
# scripts/package-windows.sh) under Wine, with Qt's Windows platform plugin and style, in
# English and in Japanese, into docs/screenshots/windows/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots/windows}
build=${BUILD_DIR:-build-windows}
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
cmake --build "$build" --target zendrel-screenshots >/dev/null
export QT_QPA_PLATFORM=windows
"$build/wine-run" wineboot --init
mkdir -p "$out/ja"
"$build/wine-run" "$build/tools/zendrel-screenshots.exe" "$out"
"$build/wine-run" "$build/tools/zendrel-screenshots.exe" --language ja "$out/ja"
echo "Pictures written to $out"
