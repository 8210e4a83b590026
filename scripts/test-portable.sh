#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Builds Zendrel on its Qt-only platform files (ZENDREL_PORTABLE), the ones systems without
# POSIX use, into build-portable/ with warnings as errors, checks those files with
# clang-tidy (which the usual build never compiles), and runs every test there. With ccache
# installed, whatever the two platform layers share comes from the cache when build/ has
# filled it, or fills it for that build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh ccache clang-tidy
BUILD_DIR=build-portable scripts/build.sh -DZENDREL_WARNINGS_AS_ERRORS=ON -DZENDREL_PORTABLE=ON
clang-tidy -p build-portable --quiet wave/*_qt.cpp >build-portable/tidy.log 2>&1 ||
    { grep -E 'error:|warning:' build-portable/tidy.log | head -50; echo "FAIL: clang-tidy" >&2; exit 1; }
echo "clang-tidy found nothing in the Qt-only platform files."
ctest --test-dir build-portable --output-on-failure --timeout 300
