#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Times the wave analyzer on the cases that must stay quick: a 4 GiB (sparse) wave file
# reads as fast as a 44-byte one, and the selection window opens on a folder of 20,000
# entries (10,000 of them ".wav") in under 0.5 s.
# Usage: scripts/bench-wave.sh [build directory, default build]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target bench_wave -j 2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The canonical 44-byte header: 16-bit stereo at 44100 Hz.
header() {
    printf 'RIFF\044\000\000\000WAVEfmt \020\000\000\000\001\000\002\000'
    printf '\104\254\000\000\020\261\002\000\004\000\020\000data\000\000\000\000'
}
header >"$work/small.wav"
header >"$work/huge.wav"
truncate -s 4G "$work/huge.wav"

mkdir "$work/crowded"
(
    cd "$work/crowded"
    seq -w 1 10000 | sed 's/$/.wav/' | xargs touch
    seq -w 1 5000 | sed 's/$/.txt/' | xargs touch
    seq -w 1 5000 | sed 's/^/folder /' | tr '\n' '\0' | xargs -0 mkdir
)
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/tests/wave/bench_wave" "$work" "$work/crowded"
