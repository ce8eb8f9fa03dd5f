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
start_tool_prefix "$build/wineprefix-soak"
"$WINELOADER" "$build/x86_64/bin/vyrsoak.exe" --actions 100000 "$@"
