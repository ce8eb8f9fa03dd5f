#!/usr/bin/env bash
# A random user against the live applet while the card changes underneath
# (soak/): builds, runs headless under Wine in a prefix of its own and
# prints the figures. 100,000 actions unless told otherwise:
#   scripts/soak.sh [--actions N] [--seed N] [--log]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
"$top/scripts/build.sh"
. "$top/scripts/wine_env.sh"
# A crash ends the program at once instead of waiting in Wine's debugger.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
prefix=$build/wineprefix-soak
prepare_wine_prefix "$prefix" winxp null
install_wine_fonts "$prefix"
"$WINESERVER" -p </dev/null >/dev/null 2>&1
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
"$WINELOADER" wineboot </dev/null >/dev/null 2>&1
"$WINELOADER" "$build/x86_64/bin/vyrsoak.exe" --actions 100000 "$@"
