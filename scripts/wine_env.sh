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

# A prefix for running the applet itself: made by us (and marked so), with
# the version and graphics driver asked for and Wine's own fonts. A prefix
# we did not make is left alone.
prepare_applet_prefix() {
    local prefix=$1 version=$2 graphics=$3
    if [ -e "$prefix" ] && [ ! -f "$prefix/.made-by-vyr" ]; then
        echo "$prefix exists but was not made by this project; not touching it." >&2
        exit 1
    fi
    if [ ! -e "$prefix" ]; then
        mkdir -p "$prefix"
        touch "$prefix/.made-by-vyr"
    fi
    prepare_wine_prefix "$prefix" "$version" "$graphics"
    install_wine_fonts "$prefix"
}

# Wine's own fonts into a prefix: Tahoma, which the dialogs are laid out
# for, and Marlett for the caption buttons, which this Wine does not find by
# itself. Without them "MS Shell Dlg" falls back to the host's DejaVu Sans,
# whose positioning table Wine 8's text shaping misreads: any edit control
# given U+02DC (0x98 in code page 1252) crashes.
install_wine_fonts() {
    local fonts=$1/drive_c/windows/Fonts
    for font in /usr/share/wine/fonts/*.ttf; do
        [ -f "$font" ] && cp -n "$font" "$fonts/"
    done
    return 0
}

# The card's store for demonstrations (the default of run.sh and vyrsim.sh),
# or the user's own. Usage: select_store demo|user
select_store() {
    case $1 in
    demo) export VYR80211_STORE='Software\Vyr\80211API-Demo' ;;
    user) unset VYR80211_STORE ;;
    *) echo "unknown store: $1 (demo or user)" >&2; exit 2 ;;
    esac
}

# A headless prefix of a tool's own (the soak's, the bench's), with Wine's
# fonts and its server up until the calling script ends; a program that
# crashes ends at once instead of waiting in Wine's debugger.
# Usage: start_tool_prefix PREFIX
start_tool_prefix() {
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
    prepare_wine_prefix "$1" winxp null
    install_wine_fonts "$1"
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
    "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
}
