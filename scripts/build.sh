#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Configures and builds Zendrel into build/, or into the folder BUILD_DIR names (extra
# arguments go to CMake's configure step).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

launcher=()
if command -v ccache >/dev/null; then
    # Another build folder of this tree (build-portable) then reuses these objects: paths
    # below the tree are hashed relative to it, the compiler's working folder is not
    # hashed, and neither is the build folder that Qt Test writes into every test (no
    # test looks files up by it).
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    export CCACHE_IGNOREOPTIONS='-DQT_TESTCASE_BUILDDIR=*'
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
