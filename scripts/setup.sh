#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the run command
# need and is missing. Run as root on Debian.
set -euo pipefail

packages=(
    cmake ninja-build python3 googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64 libwine fonts-wine
    xvfb imagemagick x11-utils rsync
    wixl msitools
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# wine32 is only recommended, and cannot run on this machine.
apt-get install -y -q --no-install-recommends "${missing[@]}"
