#!/usr/bin/env bash
# Builds both architectures: build/x86_64 (with the tests) and build/i686.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}

for arch in x86_64 i686; do
    tests=OFF
    [ "$arch" = x86_64 ] && tests=ON
    cmake -S "$top" -B "$build/$arch" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_BUILD_TESTS=$tests >/dev/null
    cmake --build "$build/$arch"
done
