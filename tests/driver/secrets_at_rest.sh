#!/usr/bin/env bash
# Stored secrets never reach the registry's hive files, in any encoding: a
# test stores every setting of a profile and keeps its store, the server
# writes the hives as it ends, and the files are searched.
# Usage: secrets_at_rest.sh PREFIX PROFILE_STORE_TESTS_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine_env.sh"
export WINEPREFIX=$1
program=$2
test=ProfileStore.EverySettingSurvivesANewProcessAndAStoreOfTheEarlierFormatAndSecretsAreNotStoredInClear

VYR_TEST_KEEP_STORES=1 "$WINELOADER" "$program" --gtest_filter=$test --gtest_color=no >/dev/null
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
status=0
# What the test stores: the network name must be found (so the search can
# find things), the secrets must not.
python3 "$here/find_in_hives.py" "$WINEPREFIX" --found Harbour-2 --absent \
    00112233445566778899AABBCC 0123456789ABCDEF0123456789ABCDEF 5A6B7C8D9E 3237353134 \
    "correct horse battery" leap-secret peap-secret || status=1
# Run again without keeping: the test's store is removed.
"$WINELOADER" "$program" --gtest_filter=$test --gtest_color=no >/dev/null || status=1
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
exit $status
