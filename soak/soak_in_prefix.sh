#!/usr/bin/env bash
# Runs vyrsoak in a prepared Wine prefix whose server is up (the tests').
#   soak/soak_in_prefix.sh PREFIX VYRSOAK [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/wine_env.sh"
export WINEPREFIX=$1
# A crash ends the program at once instead of waiting in Wine's debugger.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
shift
exec "$WINELOADER" "$@"
