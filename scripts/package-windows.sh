#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Makes Windows Zendrel on Debian, as root: builds Qt for Windows once (kept in
# /var/cache/zendrel/), cross-builds Zendrel into build-windows/ with warnings as errors,
# runs every test there under Wine, then makes the installer and the portable zip,
# build-windows/Zendrel-1.0.0-win64.exe and .zip, and checks the installer in a new Wine
# prefix: a silent install, the installed program started, an upgrade, a silent uninstall.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 nsis python3-pefile \
    ccache x11-utils
qt=$(scripts/build-qt-windows.sh | tail -n 1)
BUILD_DIR=build-windows scripts/build.sh -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DZENDREL_WARNINGS_AS_ERRORS=ON
scripts/test-windows.sh
(cd build-windows && cpack)
scripts/check-windows-installer.sh build-windows/Zendrel-1.0.0-win64.exe
