#!/usr/bin/env bash
# Inspects or changes the simulated card that scripts/run.sh shows, also
# while the applet is open: the same Wine prefix and the same store.
#   scripts/vyrsim.sh [--store demo|user] COMMAND [ARGUMENTS...]
#   scripts/vyrsim.sh --help          lists vyrsim's commands
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}
. "$top/scripts/wine_env.sh"

store=demo
if [ "${1:-}" = --store ]; then
    [ $# -ge 2 ] || { echo "--store needs demo or user (see --help)" >&2; exit 2; }
    store=$2
    shift 2
fi
select_store "$store"

[ -f "$build/x86_64/bin/vyrsim.exe" ] || "$top/scripts/build.sh"
prefix=$build/x86_64/wineprefix-run
# Preparing a prefix restarts its server, which would end a running applet:
# only a missing prefix is made here.
[ -f "$prefix/system.reg" ] || prepare_applet_prefix "$prefix" winxp null
export WINEPREFIX=$prefix
exec "$WINELOADER" "$build/x86_64/bin/vyrsim.exe" "$@"
