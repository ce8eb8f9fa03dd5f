#!/usr/bin/env bash
# Writes one PNG per page of the applet's sheet into a folder (default
# build/screenshots), on a virtual X display, as Windows XP shows it.
#   scripts/screenshots.sh [FOLDER]
# In another language with its locale, e.g. LC_ALL=ja_JP.UTF-8 (Wine takes
# the user's language from it; East Asian ones need a CJK font installed).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}
out=$(mkdir -p "${1:-$build/screenshots}" && cd "${1:-$build/screenshots}" && pwd)
. "$top/scripts/wine_env.sh"

"$top/scripts/setup.sh"
[ -f "$build/x86_64/bin/VyrWLan.cpl" ] || "$top/scripts/build.sh"
cmake --build "$build/x86_64" --target VyrWLan languages vyr80211 >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; "$WINESERVER" -k 2>/dev/null || true' EXIT
export DISPLAY=$display
export VYR80211_STORE='Software\Vyr\80211API-Screenshots'
prepare_applet_prefix "$build/x86_64/wineprefix-screenshots" winxp x11
# No window manager runs here: Wine draws the title bars itself.
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
"$WINESERVER" -p

# Every language's sheet title names the adapter.
title="Vyr 11a/b/g Wireless LAN Mini PCI"
pages=(status configuration security power about)
cd "$build/x86_64/bin"
for page in 0 1 2 3 4; do
    "$WINELOADER" control "VyrWLan.cpl,@0,$page" >/dev/null 2>&1 &
    control=$!
    window=""
    for _ in $(seq 1 100); do
        window=$(LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | grep -F "$title" | awk '{print $1}' | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.2
    done
    if [ -z "$window" ]; then
        echo "the sheet did not appear for page $page" >&2
        exit 1
    fi
    sleep 1  # let the page finish drawing
    file="$out/$page-${pages[$page]}.png"
    import -window "$window" "$file"
    echo "$file"
    kill $control 2>/dev/null || true
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
    "$WINESERVER" -p
done
