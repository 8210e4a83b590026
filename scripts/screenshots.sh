#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Remakes the pictures of every window under a virtual X display, once with the default
# colours and once under a dark desktop colour scheme (into OUTPUT_FOLDER/dark), and the
# same again in each language the program speaks besides English (OUTPUT_FOLDER/ja, ...).
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER] (default docs/screenshots); set
# QT_SCALE_FACTOR=2 in the environment for a high density picture.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
cmake --build build --target zendrel-screenshots >/dev/null
shoot() { xvfb-run -a -s "-screen 0 1600x1200x24" build/tools/zendrel-screenshots "$@"; }
shoot "$out"
shoot --dark "$out/dark"
for ts in i18n/zendrel_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#zendrel_}
    shoot --language "$language" "$out/$language"
    shoot --dark --language "$language" "$out/$language/dark"
done
echo "Pictures written to $out"
