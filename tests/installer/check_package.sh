#!/usr/bin/env bash
# Checks an installer package without installing it: it holds exactly what
# the build ships (the stripped files of bin/), installs them into one
# folder under the architecture's Program Files, and registers the applet
# with the Control Panel (REG_EXPAND_SZ), its canonical name and category,
# and puts the folder on the system's PATH, where Windows finds the DLLs.
# Usage: check_package.sh MSI BIN x64|x86 LANGUAGE...
set -euo pipefail
msi=$1 bin=$2 arch=$3
shift 3
export LC_ALL=C
[ -f "$msi" ] || { echo "FAIL: $msi was not built"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # what, actual, wanted
    [ "$2" = "$3" ] && echo "ok: $1" || fail "$1: got [$2], wanted [$3]"
}
rows() { # the rows of a table, without its three header lines
    msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r' | sort
}

folder="Vyr Wireless LAN"
shipped=$(printf '%s\n' VyrWLan.cpl 80211API.dll vyrsim.exe "${@/%/.dll}" | sort)
# (msiextract puts the 64-bit Program Files folder nowhere: the table below
# says where the folder goes.)
expect "files" "$(msiextract -l "$msi" | sed "s|^.*$folder/|$folder/|" | sort)" "$(sed "s|^|$folder/|" <<<"$shipped")"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
msiextract -C "$scratch" "$msi" >/dev/null
for file in $shipped; do
    cmp -s "$(find "$scratch" -path "*/$folder/$file")" "$bin/$file" || fail "$file is not the one the build ships"
done

programs=$([ "$arch" = x64 ] && echo ProgramFiles64Folder || echo ProgramFilesFolder)
expect "folder" "$(rows Directory | grep '^INSTALLDIR' | cut -f2,3)" "$programs	$folder"
expect "architecture" "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')" \
    "$([ "$arch" = x64 ] && echo x64 || echo Intel);1033"

panel='Software\Microsoft\Windows\CurrentVersion\Control Panel'
applet='[INSTALLDIR]VyrWLan.cpl'
expect "registry" "$(rows Registry | cut -f2-6 | sort)" "$(printf '%s\n' \
    "2	$panel\\Cpls	Vyr.WirelessLAN	#%$applet	Applet" \
    "2	$panel\\Extended Properties\\System.ApplicationName	$applet	Vyr.WirelessLAN	Applet" \
    "2	$panel\\Extended Properties\\{305CA226-D286-468e-B848-2B2E8E697B74} 2	$applet	#3	Applet" | sort)"
expect "PATH" "$(rows Environment | cut -f2-4)" "=-*PATH	[~];[INSTALLDIR]	Applet"
expect "PATH set and removed" "$(rows InstallExecuteSequence | grep EnvironmentStrings | cut -f1,3)" \
    "$(printf 'RemoveEnvironmentStrings\t3300\nWriteEnvironmentStrings\t5200')"

echo "$failures failed"
[ $failures -eq 0 ]
