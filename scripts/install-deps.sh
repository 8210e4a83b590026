#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Installs the Debian packages that building, running and testing Zendrel need, and any
# further packages named as arguments (scripts/hardening.sh adds its compilers that way).
# Every name is one that Debian 12 and Debian 13 both have: the release's own default
# versions, never a version written for one release. Packages already present are left
# alone; nothing is downloaded when all are there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n iso-codes
    xvfb xauth fonts-dejavu-core fonts-liberation2 fonts-noto-cjk
    dbus-daemon at-spi2-core python3-pyatspi
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo." >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
