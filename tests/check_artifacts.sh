#!/usr/bin/env bash
# Checks what a build produced for shipping: the applet exports CPlApplet by
# its plain name and carries every dialog, its icons and its strings; the
# German DLL carries the same dialogs and translated strings.
set -euo pipefail
bin=$1 arch=$2
pe="python3 $(dirname "$0")/pe_resources.py"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # what, actual, wanted
    [ "$2" = "$3" ] && echo "ok: $1" || fail "$1: got [$2], wanted [$3]"
}

for file in VyrWLan.cpl 80211API.dll german.dll; do
    [ -f "$bin/$file" ] || { fail "$file was not built"; }
done
[ $failures -eq 0 ] || exit 1

dialogs="106 107 108 109 110 1003 1009 1012 1013 1014 1017 1018 1021 1022"
expect "applet exports" "$($pe "$bin/VyrWLan.cpl" exports)" "CPlApplet"
expect "applet dialogs" "$($pe "$bin/VyrWLan.cpl" dialogs)" "$dialogs"
expect "applet icons" "$($pe "$bin/VyrWLan.cpl" icons)" "1001 1011"
expect "applet string 1001" "$($pe "$bin/VyrWLan.cpl" string 1001)" \
    "'Vyr 11a/b/g Wireless LAN\\nMini PCI Adapter Configuration\\n\\n '"
expect "applet sheet caption" "$($pe "$bin/VyrWLan.cpl" string 1)" \
    "'Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration'"
expect "German dialogs" "$($pe "$bin/german.dll" dialogs)" "$dialogs"
expect "German icons" "$($pe "$bin/german.dll" icons)" "1001 1011"
german_title=$($pe "$bin/german.dll" string 57351)
[ -n "$german_title" ] && [ "$german_title" != "$($pe "$bin/VyrWLan.cpl" string 57351)" ] \
    && echo "ok: German strings are translated" || fail "German string 57351 is missing or English: $german_title"

# Languages: the fourteen DLLs, spelled as the applet looks them up, each
# under 64 KB with its version resource and the applet's dialogs and strings.
if languages=$(python3 "$(dirname "$0")/language/compare_languages.py" "$bin"); then
    echo "ok: fourteen language DLLs"
else
    fail "language DLLs: $(echo "$languages" | grep -v ': ok$' | tr '\n' ' ')"
fi

# The 32-bit build is the one for Windows XP and earlier: it must load there
# without the version 6 common controls, so nothing Windows Vista added and
# no subclassing helpers, which older common controls export by ordinal only.
# (The 64-bit build links the posix thread runtime that the tests need.)
newer='!(GetTickCount64|InitOnceExecuteOnce|RegGetValue[AW]|RegSetKeyValue[AW]|RegDeleteTree[AW]|SetWindowSubclass|DefSubclassProc|RemoveWindowSubclass)$'
for file in VyrWLan.cpl 80211API.dll; do
    [ "$arch" = i686 ] || break
    found=$($pe "$bin/$file" imports | grep -E "$newer" || true)
    [ -z "$found" ] && echo "ok: $file imports nothing newer than Windows XP" || fail "$file imports $found"
done

# Tests stay near a third of the code; past this they have drifted.
if share=$("$(dirname "$0")/../scripts/test_share.sh" --max 0.40); then
    echo "ok: tests to code, $(echo "$share" | grep ratio)"
else
    fail "tests to code: $(echo "$share" | tail -1)"
fi

echo "$failures failed"
[ $failures -eq 0 ]
