#!/usr/bin/env bash
# Checks how what ships was built, in both architectures: stripped, its
# debug information in FILE.debug beside it; small; versioned; with the
# manifest that gives the sheet the version 6 common controls; needing
# nothing but Windows and our library (no MinGW runtime DLL); and, in the
# 32-bit build, which is the one for Windows XP and earlier, importing only
# what XP has.
# Usage: check_shipping.sh BIN i686|x86_64 VERSION LANGUAGE...
set -euo pipefail
bin=$1 arch=$2 version=$3
shift 3
languages=$(printf '%s.dll ' "$@")
pe="python3 $(dirname "$0")/pe_resources.py"
ver="python3 $(dirname "$0")/pe_version.py"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # what, actual, wanted
    [ "$2" = "$3" ] && echo "ok: $1" || fail "$1: got [$2], wanted [$3]"
}

for file in VyrWLan.cpl 80211API.dll vyrsim.exe $languages; do
    case " $($arch-w64-mingw32-objdump -h "$bin/$file" | awk '/^ *[0-9]+ / { print $2 }' | tr '\n' ' ') " in
        *" .debug_"*) fail "$file carries its debug information" ;;
        *" .gnu_debuglink "*) [ -f "$bin/$file.debug" ] && echo "ok: $file is stripped, its debug information beside it" \
            || fail "$file.debug is missing" ;;
        *) fail "$file has no debug link" ;;
    esac
done

under() { # file, KB
    local size
    size=$(stat -c %s "$bin/$1")
    [ "$size" -lt $(($2 * 1024)) ] && echo "ok: $1 is $((size / 1024)) KB, under $2 KB" \
        || fail "$1 is $((size / 1024)) KB, not under $2 KB"
}
if [ "$arch" = i686 ]; then
    under VyrWLan.cpl 300
    under 80211API.dll 350
    under vyrsim.exe 400
else
    under VyrWLan.cpl 300
    under 80211API.dll 300
    under vyrsim.exe 350
fi

product="Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration"
versioned() { # file, type, description
    expect "$1 version" "$($ver "$bin/$1" version)" "version=$version.0 type=$2 strings=040904E4 CompanyName=Vyr \
FileDescription=$3 FileVersion=$version OriginalFilename=$1 ProductName=$product ProductVersion=$version translation=040904E4"
}
versioned VyrWLan.cpl dll "Vyr Wireless LAN Control Panel applet"
versioned 80211API.dll dll "Vyr 802.11 driver interface library (simulated card)"
versioned vyrsim.exe exe "Vyr simulated card control"

machine=$([ "$arch" = i686 ] && echo x86 || echo amd64)
expect "applet manifest at the Control Panel's ID" "$($ver "$bin/VyrWLan.cpl" manifest 123)" \
    "Vyr.WirelessLAN.Applet $version.0 $machine - | Microsoft.Windows.Common-Controls 6.0.0.0 $machine 6595b64144ccf1df"

windows='^(KERNEL32|USER32|GDI32|ADVAPI32|COMCTL32|CRYPT32|MSVCRT|80211API)\.DLL$'
for file in VyrWLan.cpl 80211API.dll vyrsim.exe; do
    others=$($pe "$bin/$file" imports | cut -d'!' -f1 | tr a-z A-Z | sort -u | grep -Ev "$windows" || true)
    [ -z "$others" ] && echo "ok: $file needs only Windows and our library" || fail "$file needs" $others
done

# Every function the 32-bit files import from Windows must be on the list of
# those checked against XP (check_artifacts.sh looks for known newer ones;
# this list also catches the ones nobody thought of).
allowed=$(grep -v '^#' "$(dirname "$0")/windows_xp_imports.txt")
for file in VyrWLan.cpl 80211API.dll vyrsim.exe; do
    [ "$arch" = i686 ] || break
    found=$($pe "$bin/$file" imports | grep -v '^80211API\.dll!' | awk -F'!' '{print toupper($1) "!" $2}' |
        grep -vxF "$allowed" || true)
    [ -z "$found" ] && echo "ok: $file imports only what Windows XP has" || fail "$file imports, unchecked against XP:" $found
done

echo "$failures failed"
[ $failures -eq 0 ]
