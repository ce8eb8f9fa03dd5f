#!/usr/bin/env bash
# Breaks the code on purpose, one mutant of tests/mutants.txt at a time, in a
# scratch copy of the tree (default build/mutants; VYR_MUTANT_DIR moves it),
# and prints the mutants no test caught. PATTERN (a regular expression)
# picks mutants by title or file. Takes minutes: not part of the test command.
# Usage: scripts/mutants.sh [PATTERN]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=${VYR_MUTANT_DIR:-$top/build/mutants}
"$top/scripts/setup.sh"
mkdir -p "$scratch/src"
# Copies only what changed, so the scratch build stays incremental. A copied
# file gets the time of the copy, not its own: a source older than the object
# a mutant's rebuild left would otherwise pass for built.
rsync -rlpD --checksum --delete --exclude /build --exclude /.git "$top/" "$scratch/src/"
cmake -S "$scratch/src" -B "$scratch/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$scratch/src/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_BUILD_TESTS=ON >/dev/null
cmake --build "$scratch/build" >/dev/null
prefix=$scratch/build/wineprefix-test
"$scratch/src/scripts/wine_fixture.sh" start "$prefix"
trap '"$scratch/src/scripts/wine_fixture.sh" stop "$prefix"' EXIT
# Unmutated, every test program must pass, or a failure proves nothing.
# (The artifact check is not among them: it reads the tree, not the build.)
ctest --test-dir "$scratch/build" -E '^(wine_start|wine_stop|artifacts_.*)$' -FA '.*' --timeout 300 >/dev/null ||
    { echo "the tests fail without a mutant; fix them first" >&2; exit 1; }
python3 "$top/scripts/mutants.py" "$top" "$scratch" "${1:-}"
