#!/usr/bin/env bash
# Opens the applet under Wine as the Control Panel does.
#   scripts/run.sh [--windows xp|2000|nt4|98|me|95] [--store demo|user] [--page N]
# Builds first if needed. The Wine prefix lives in the build tree; the card's
# profiles go to a demonstration store unless --store user is given.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}
. "$top/scripts/wine_env.sh"

windows=xp store=demo page=""
while [ $# -gt 0 ]; do
    case $1 in
    --windows) windows=$2; shift 2 ;;
    --store) store=$2; shift 2 ;;
    --page) page=$2; shift 2 ;;
    -h|--help) sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
    esac
done
case $windows in
xp) version=winxp ;; 2000) version=win2k ;; nt4) version=nt40 ;;
98) version=win98 ;; me) version=winme ;; 95) version=win95 ;;
*) echo "unknown Windows version: $windows (xp, 2000, nt4, 98, me or 95)" >&2; exit 2 ;;
esac
select_store "$store"

if [ -z "${DISPLAY:-}" ]; then
    echo "There is no X display to show the applet on (DISPLAY is not set)." >&2
    echo "To see its pages without one, run: scripts/screenshots.sh [FOLDER]" >&2
    exit 1
fi

"$top/scripts/setup.sh"
[ -f "$build/x86_64/bin/VyrWLan.cpl" ] || "$top/scripts/build.sh"
cmake --build "$build/x86_64" --target VyrWLan languages vyr80211 vyrsim >/dev/null

prepare_applet_prefix "$build/x86_64/wineprefix-run" "$version" x11
cd "$build/x86_64/bin"
exec "$WINELOADER" control "VyrWLan.cpl${page:+,@0,$page}"
