#!/usr/bin/env bash
# Installs the 64-bit package as a user would, silently, under Wine in a new
# prefix of its own (made again at every run): the Control Panel's entry
# names the installed applet, control.exe opens the applet's sheet from it
# (finding the library and language DLLs through PATH), and a silent
# uninstall leaves neither the files nor the registry values.
# Usage: install_test.sh MSI PREFIX LANGUAGE...
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/wine_env.sh"
msi=$1 prefix=$2
shift 2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # what, actual, wanted
    [ "$2" = "$3" ] && echo "ok: $1" || fail "$1: got [$2], wanted [$3]"
}
wine() { { "$WINELOADER" "$@" </dev/null 2>/dev/null || true; } | tr -d '\r'; }
value() { # key, name: "TYPE DATA" of a value, or nothing
    wine reg query "$1" /v "$2" | awk -F'    ' -v name="$2" '$2 == name { print $3 " " $4 }'
}
panel='HKLM\Software\Microsoft\Windows\CurrentVersion\Control Panel'
category="$panel\\Extended Properties\\{305CA226-D286-468e-B848-2B2E8E697B74} 2"
canonical="$panel\\Extended Properties\\System.ApplicationName"
title="Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration"

[ ! -e "$prefix" ] || [ -f "$prefix/.made-by-vyr" ] || { echo "$prefix was not made by this test" >&2; exit 1; }
rm -rf "$prefix"
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $xvfb 2>/dev/null; "$WINESERVER" -k 2>/dev/null || true' EXIT
prepare_applet_prefix "$prefix" winxp x11 >/dev/null

# msiexec may leave work to Wine's services: each check starts once every
# Wine process of the step has ended.
wine msiexec /i "Z:${msi//\//\\}" /qn
"$WINESERVER" -w
cpl=$(value "$panel\\Cpls" Vyr.WirelessLAN)
expect "Control Panel entry" "$cpl" 'REG_EXPAND_SZ C:\Program Files\Vyr Wireless LAN\VyrWLan.cpl'
applet=${cpl#REG_EXPAND_SZ }
folder="$prefix/drive_c/Program Files/Vyr Wireless LAN"
expect "installed files" "$(cd "$folder" 2>/dev/null && ls | LC_ALL=C sort | tr '\n' ' ')" \
    "$(printf '%s\n' VyrWLan.cpl 80211API.dll vyrsim.exe "${@/%/.dll}" | LC_ALL=C sort | tr '\n' ' ')"
[ -f "$folder/VyrWLan.cpl" ] && echo "ok: the entry names an existing file" || fail "no file at $applet"
expect "category" "$(value "$category" "$applet")" "REG_DWORD 0x3"
expect "canonical name" "$(value "$canonical" "$applet")" "REG_SZ Vyr.WirelessLAN"
environment='HKLM\System\CurrentControlSet\Control\Session Manager\Environment'
folder_on_path() { value "$environment" PATH | tr ';' '\n' | grep -cxF 'C:\Program Files\Vyr Wireless LAN\' || true; }
expect "the folder on PATH" "$(folder_on_path)" 1

# The Control Panel's way in: control.exe loads the applet from its entry.
"$WINELOADER" control "$applet" </dev/null >/dev/null 2>&1 &
control=$!
shown=no
for _ in $(seq 1 300); do
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" && { shown=yes; break; }
    sleep 0.2
done
expect "the sheet opens from the installed applet" "$shown" yes
wine taskkill /im control.exe >/dev/null
for _ in $(seq 1 150); do kill -0 $control 2>/dev/null || break; sleep 0.2; done
kill -0 $control 2>/dev/null && { fail "the sheet did not close"; kill $control; }

wine msiexec /x "Z:${msi//\//\\}" /qn
"$WINESERVER" -w
expect "files after uninstalling" "$(ls -A "$folder" 2>/dev/null || echo none)" none
expect "registry after uninstalling" \
    "$(value "$panel\\Cpls" Vyr.WirelessLAN)$(value "$category" "$applet")$(value "$canonical" "$applet")" ""
expect "the folder on PATH after uninstalling" "$(folder_on_path)" 0

echo "$failures failed"
[ $failures -eq 0 ]
