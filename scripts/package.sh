#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Builds the Debian package of the last commit into the folder given (default build-deb)
# and prints the path of the .deb. Only the program and what it installs are built, with
# Debian's hardening flags; the folder is emptied first.
#
# Reproducible: the sources are that commit's, exported afresh; every time stamp is the
# commit's (SOURCE_DATE_EPOCH); nothing in the package depends on the folder it is built in
# or on whether ccache compiled it. ccache is used when installed: it rewrites paths below
# the folder relative to it, so a second build in another folder finds the first one's
# objects.
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build-deb}")
repo=$PWD
# The folder is emptied: only one that is plainly a package folder.
if [[ $(basename "$out") != build-deb* ]]; then
    echo "The package folder's name must start with build-deb." >&2
    exit 1
fi
scripts/install-deps.sh dpkg-dev file

SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# The same locale, time zone and file modes on every machine.
export LC_ALL=C.UTF-8 TZ=UTC
umask 022

rm -rf "$out"
mkdir -p "$out/src"
git archive --format=tar HEAD | tar -x -C "$out/src"

launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$out
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# All of Debian's hardening, bindnow included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags=()
for flag in $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS); do
    case $flag in
    # The package is stripped, so debug information would only feed the build ID, and
    # with it the paths the compiler was given: ccache gives them relative, a plain
    # compiler absolute.
    -g) ;;
    # dpkg-buildflags maps the folder it runs in; here that is the package folder.
    -ffile-prefix-map=*) flags+=("-ffile-prefix-map=$out=.") ;;
    *) flags+=("$flag") ;;
    esac
done

cmake -S "$out/src" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DZENDREL_BUILD_TESTS=OFF -DZENDREL_WARNINGS_AS_ERRORS=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    "${launcher[@]}" \
    "-DCMAKE_CXX_FLAGS=${flags[*]}" "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" \
    >"$out/configure.log"
cmake --build "$out/build" --parallel "$(nproc)" --target plim zendrel-icons zendrel-docs \
    >"$out/build.log"
(cd "$out/build" && cpack -G DEB >"$out/cpack.log")
ls "$out"/build/zendrel_*.deb
