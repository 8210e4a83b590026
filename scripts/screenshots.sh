#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Remakes the pictures of every window under a virtual X display, once with the default
# colours and once under a dark desktop colour scheme (into OUTPUT_FOLDER/dark).
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER] (default docs/screenshots); set
# QT_SCALE_FACTOR=2 in the environment for a high density picture.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
cmake --build build --target zendrel-screenshots >/dev/null
xvfb-run -a -s "-screen 0 1600x1200x24" build/tools/zendrel-screenshots "$out"
xvfb-run -a -s "-screen 0 1600x1200x24" build/tools/zendrel-screenshots --dark "$out/dark"
echo "Pictures written to $out"
