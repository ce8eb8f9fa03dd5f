#!/usr/bin/env bash
# Measures the applet (bench/): opening against Wine's Internet Properties
# and the layout twin, the Status page's tick, stores of up to 10,000
# profiles, memory and handles over long runs, and what ships. Builds both
# architectures, runs headless under Wine in a prefix of its own and prints
# one table. Arguments pick sections: opening status profiles endurance
# footprint (all by default).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
"$top/scripts/build.sh"
. "$top/scripts/wine_env.sh"
prefix=$build/wineprefix-bench
start_tool_prefix "$prefix"

# The prefix's own server works in a folder named after the prefix's device
# and inode (server-DEV-INODE); its CPU time is counted with the bench's.
server_dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$prefix"))
for proc in /proc/[0-9]*; do
    case $(cat "$proc/comm" 2>/dev/null) in wineserver*) ;; *) continue ;; esac
    [ "$(basename "$(readlink "$proc/cwd" 2>/dev/null)")" = "$server_dir" ] && export VYR_BENCH_SERVER_PID=${proc#/proc/}
done

windows_path() { echo "Z:$1" | tr / '\\'; }
# What the install puts in place, stripped, without the debug files.
for arch in x86_64 i686; do
    rm -rf "$build/$arch/shipped"
    cmake --install "$build/$arch" --component applet --prefix "$build/$arch/shipped" >/dev/null
done
export VYR_BENCH_SHIPPED="$(windows_path "$build/x86_64/shipped");$(windows_path "$build/i686/shipped")"
# Each process of the bench finds its own Linux process by this mark.
export VYR_BENCH_PROCESS="bench-$$"
export VYR_BENCH_MACHINE="$(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $("$WINELOADER" --version)"
"$WINELOADER" "$build/x86_64/bin/vyrbench.exe" "$@"
