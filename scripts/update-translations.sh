#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Brings i18n/*.ts up to date with the texts in the program's sources, with Qt's lupdate.
# With --check, changes nothing: it runs lupdate on copies and fails when any message of
# any language is then unfinished (a text new in the sources, or never translated) or
# obsolete (a text gone from the sources), and prints those messages. LUPDATE names the
# lupdate to use; by default, the one of the Qt that qtpaths6 reports.
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
[[ ${1-} == --check ]] && check=true
lupdate=${LUPDATE:-$(qtpaths6 --query QT_HOST_LIBEXECS 2>/dev/null)/lupdate}
[[ -x $lupdate ]] || lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
sources=(app ui dialer unit_conv calendar wave)

work=i18n
if $check; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp i18n/*.ts "$work"/
fi
failed=0
for ts in "$work"/zendrel_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#zendrel_}
    "$lupdate" -silent -locations none -no-ui-lines -extensions cpp,h -I . "${sources[@]}" \
        -target-language "$language" -ts "$ts"
    if $check; then
        total=$(grep -c '<message' "$ts" || true)
        open=$(grep -c 'type="\(unfinished\|obsolete\|vanished\)"' "$ts" || true)
        echo "$language: $total messages, $open unfinished or obsolete"
        if [[ $open -gt 0 ]]; then
            failed=1
            grep -B 3 'type="\(unfinished\|obsolete\|vanished\)"' "$ts" | grep '<source>' |
                sed "s/^ */  $language: /"
        fi
    fi
done
exit $failed
