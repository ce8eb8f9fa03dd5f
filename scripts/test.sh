#!/usr/bin/env bash
# The project's test command: installs what is missing, builds both
# architectures and runs every test (the 64-bit ones under Wine, headless).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
"$top/scripts/build.sh"
status=0
(cd "$build/i686" && ctest --output-on-failure) || status=1
(cd "$build/x86_64" && ctest --output-on-failure --timeout 600) || status=1
exit $status
