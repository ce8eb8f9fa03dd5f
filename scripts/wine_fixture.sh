#!/usr/bin/env bash
# The Wine side of a test run.
#   start PREFIX        prepare the headless test prefix and start a persistent server
#   run PREFIX PROGRAM  run one test program under that server
#   stop PREFIX         stop the server
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_env.sh"
command=$1 prefix=$2
export WINEPREFIX=$prefix
# A test program that crashes ends at once: the debugger Wine would start
# instead keeps the run's output open and the run waiting.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"

case $command in
start)
    # Tests run as on Windows XP, the applet's home platform; tests of other
    # versions start children that Wine reports differently.
    prepare_wine_prefix "$prefix" winxp null
    install_wine_fonts "$prefix"
    # Detached from the caller's output, which would otherwise stay open.
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    # Wine's own services start with the first program and live as long as
    # the server; started here, they hold no test's output open.
    "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
    ;;
run)
    exec "$WINELOADER" "$3" --gtest_color=no
    ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    ;;
esac
