#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Checks the Windows installer as a Windows user meets it, in a new Wine prefix (a machine
# that never had Zendrel): a silent install into Program Files with exactly the files that
# plim.exe needs, the Start-menu shortcut and the Add/Remove Programs entry; the installed
# plim.exe started with nothing on WINEPATH and its main window seen; the installer run
# again, which upgrades in place; a silent uninstall that leaves nothing behind. The zip
# must hold the same files. Usage: scripts/check-windows-installer.sh INSTALLER.exe
set -euo pipefail
cd "$(dirname "$0")/.."
installer=$(realpath "$1")
zip=${installer%.exe}.zip
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

export WINEPREFIX=$PWD/build-windows/installer-check WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
rm -rf "$WINEPREFIX"
wine wineboot --init
wineserver -w
# What the machine holds outside Windows' own folder and the users' temporary folders (an
# NSIS uninstaller leaves its empty working folder there, as on Windows).
snapshot() {
    (cd "$WINEPREFIX/drive_c" &&
        find . \( -path ./windows -o -path './users/*/Temp/*' \) -prune -o -print | sort)
}
before=$(snapshot)

folder="$WINEPREFIX/drive_c/Program Files/Zendrel"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zendrel"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zendrel'
expected="LICENSE.txt
Qt6Core.dll
Qt6Gui.dll
Qt6Widgets.dll
Uninstall.exe
libgcc_s_seh-1.dll
libstdc++-6.dll
libwinpthread-1.dll
platforms/qwindows.dll
plim.exe
qt.conf
styles/qwindowsvistastyle.dll
translations/qtbase_de.qm
translations/qtbase_ja.qm"

install() {
    wine "$installer" /S
    wineserver -w
}
registry_value() { # the value $1 of the uninstall entry, as reg prints it
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

install
[[ -d $folder ]] || fail "nothing was installed in C:\\Program Files\\Zendrel"
files=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[[ $files == "$expected" ]] || fail "the installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$files"))"
echo "Installed into C:\\Program Files\\Zendrel, $(du -sh "$folder" | cut -f1):"
(cd "$folder" && find . -type f -printf '  %P  %s\n' | LC_ALL=C sort)

echo "The installed plim.exe, as Explorer reads it:"
/usr/bin/python3 tests/windows/version_record.py "$folder/plim.exe" | sed 's/^/  /' ||
    fail "the installed plim.exe's version record or icon"
for value in "DisplayName=Zendrel" "DisplayVersion=1.00" "Publisher=Kelvorn R&D" \
    'DisplayIcon=C:\Program Files\Zendrel\plim.exe' \
    'UninstallString="C:\Program Files\Zendrel\Uninstall.exe"'; do
    got=$(registry_value "${value%%=*}")
    [[ $got == "${value#*=}" ]] || fail "Add/Remove Programs: ${value%%=*} is '$got', not '${value#*=}'"
done
echo "Add/Remove Programs entry: Zendrel 1.00, Kelvorn R&D, with icon and uninstaller."
[[ -f $menu/Zendrel.lnk ]] || fail "no Start-menu shortcut Zendrel"
# The shortcut's working folder is kept as UTF-16 text in the link.
/usr/bin/python3 -c 'import sys; sys.exit("%USERPROFILE%".encode("utf-16-le") not in open(sys.argv[1], "rb").read())' \
    "$menu/Zendrel.lnk" || fail "the shortcut does not start in the user's folder"
echo "Start-menu shortcut Zendrel starts plim.exe in %USERPROFILE%."

# Started as a user starts it: the installed folder alone must hold what it needs.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd "$folder" && wine plim.exe >"$log" 2>&1) &
seen=
for _ in $(seq 60); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Zendrel"'; then
        seen=yes
        break
    fi
    sleep 1
done
wineserver -k || true
wait || true
[[ -n $seen ]] || { cat "$log"; fail "the installed plim.exe showed no main window"; }
echo "The installed plim.exe showed its main window."

install
[[ $(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) == "$expected" ]] ||
    fail "installing again changed the installed files"
entries=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -c 'DisplayName *REG_SZ *Zendrel$' || true)
[[ $entries == 1 ]] || fail "$entries Add/Remove Programs entries after installing twice"
echo "Installed again: upgraded in place, one Add/Remove Programs entry."

wine "$folder/Uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy of itself in the temporary folder, which Windows removes
# at the next restart: a restart of the Wine "machine".
wine wineboot --restart
wineserver -w
left=$(diff <(echo "$before") <(snapshot) || true)
[[ -z $left ]] || fail "the uninstaller left files behind:"$'\n'"$left"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the Add/Remove Programs entry stayed"
wine reg query 'HKLM\Software\Kelvorn R&D\Zendrel' >/dev/null 2>&1 && fail "the installer's key stayed"
echo "Uninstalled silently: no file, shortcut or registry key left."

zipped=$(/usr/bin/python3 -c 'import sys, zipfile
names = [n.split("/", 1)[1] for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/")]
print("\n".join(sorted(names)))' "$zip" | LC_ALL=C sort)
[[ $zipped == "$(grep -v '^Uninstall.exe$' <<<"$expected")" ]] ||
    fail "the zip differs:"$'\n'"$(diff <(grep -v '^Uninstall.exe$' <<<"$expected") <(echo "$zipped"))"
echo "The zip holds the same folder."
