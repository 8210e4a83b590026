#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Builds Qt for 64-bit Windows from this release's own qt6-base source package, the same
# version as the host's Qt tools (moc, rcc, lupdate), which the cross build borrows. Only
# what Zendrel uses: Core, Gui, Widgets and Test, the Windows and offscreen platform
# plugins and the Windows styles. The result is kept in /var/cache/zendrel/, named after
# the version and a hash of its options and the toolchain file, so that a later run with
# the same recipe reuses it; the last line printed is its folder. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64-posix dpkg-dev

# Off: what Zendrel does not use, the 3rd-party code that Debian's source leaves out
# (wintab, for tablet events), and OpenGL loaded at run time, which the Windows platform
# plugin cannot build without OpenGL. pkg-config would find the host's Linux libraries.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_androiddeployqt=OFF
)
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
recipe=$( (printf '%s\n' "${options[@]}"; cat cmake/mingw-w64-x86_64.cmake) | sha256sum | cut -c1-12)
cache=${ZENDREL_CACHE:-/var/cache/zendrel} # another folder times a build from empty
prefix=$cache/qt-windows-${version%%+*}-$recipe
if [[ -f $prefix/.complete ]]; then
    echo "Qt for Windows is already built." >&2
    echo "$prefix"
    exit 0
fi

# apt-get source needs the release's deb-src lines: the same archives as its deb lines.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    python3 - <<'PY'
import glob, re
out = []
for path in glob.glob('/etc/apt/sources.list.d/*.sources'):
    for stanza in open(path).read().split('\n\n'):
        if re.search(r'^Types:.*\bdeb\b', stanza, re.M) and 'debian' in stanza:
            out.append(re.sub(r'^Types:.*$', 'Types: deb-src', stanza.strip(), flags=re.M))
try:
    lines = [l for l in open('/etc/apt/sources.list') if l.startswith('deb ')]
    out += ['Types: deb-src\nURIs: {}\nSuites: {}\nComponents: {}'.format(
        p[1], p[2], ' '.join(p[3:])) for p in (l.split() for l in lines if '[' not in l)]
except FileNotFoundError:
    pass
open('/etc/apt/sources.list.d/zendrel-deb-src.sources', 'w').write('\n\n'.join(out) + '\n')
PY
    apt-get update -qq
fi

work=/var/tmp/zendrel-qt-windows
rm -rf "$work" "$prefix"
mkdir -p "$work" "$cache"
(cd "$work" && apt-get source -qq qt6-base="$version")
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

# Qt's own toolchain file, which Zendrel's build uses, loads this one again: it must stay
# beside the build that names it.
mkdir -p "$prefix"
cp cmake/mingw-w64-x86_64.cmake "$prefix/mingw-w64-x86_64.cmake"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
started=$SECONDS
# Qt's build says a great deal (thousands of compiler notes about its own headers): it goes
# to a log, whose end is shown when a step fails.
log=$work/build.log
echo "Building Qt $version for Windows (about 20 minutes on 2 cores); log: $log" >&2
{
    cmake -S "$source_dir" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" "${options[@]}" &&
        cmake --build "$work/build" --parallel "$(nproc)" &&
        cmake --install "$work/build" --strip
} >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "FAIL: Qt for Windows did not build" >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt $version for Windows built in $((SECONDS - started)) s; $(du -sh "$prefix" | cut -f1) in the cache." >&2
echo "$prefix"
