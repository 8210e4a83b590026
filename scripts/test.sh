#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Installs what is missing, builds Zendrel with warnings as errors and runs every test
# headless; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DZENDREL_WARNINGS_AS_ERRORS=ON
ctest --test-dir build --output-on-failure --timeout 300
