# Sourced by the scripts that run Windows programs: the 64-bit Wine loader
# and server, called directly (the plain `wine` script picks the 32-bit one).
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Creates the prefix if it does not exist, and sets the Windows version it
# reports and its graphics driver ("null" for headless runs, "x11").
# Usage: prepare_wine_prefix PREFIX VERSION GRAPHICS
prepare_wine_prefix() {
    local prefix=$1 version=$2 graphics=$3
    export WINEPREFIX=$prefix
    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p "$prefix"
        "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
        "$WINESERVER" -w
    fi
    # The graphics driver is read when the server starts.
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
    "$WINELOADER" reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null
    "$WINELOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$graphics" /f >/dev/null
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
}
