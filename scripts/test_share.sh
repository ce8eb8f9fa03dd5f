#!/usr/bin/env bash
# Lines of tests against lines of code (.cpp and .h; tests are everything
# under tests/), and their ratio. With --max R it fails above R.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
count() { # lines of the tracked and new .cpp/.h files the filter keeps
    git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | grep $1 '^tests/' | sort -u |
        while read -r file; do [ -f "$file" ] && cat "$file"; done | wc -l
}
tests=$(count "")
code=$(count -v)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')
echo "tests: $tests lines"
echo "code: $code lines"
echo "ratio: $ratio"
if [ "${1:-}" = --max ]; then
    awk -v t="$tests" -v c="$code" -v m="$2" 'BEGIN { exit !(t / c <= m) }' || { echo "ratio $ratio is above $2"; exit 1; }
fi
