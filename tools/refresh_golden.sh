#!/bin/sh
# Rewrites every golden reference under tests/data (scanner tokens, checker
# logs, colour dumps) from the current code: the golden tests run with
# TAGWRIGHT_REFRESH_GOLDEN set, which makes them write their references
# instead of comparing. Review the diff before committing it.
#
# usage: tools/refresh_golden.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target tagwright_core_tests
output=$(TAGWRIGHT_REFRESH_GOLDEN=1 "$build/tests/tagwright_core_tests" \
    --gtest_filter='*/GoldenTokens.*:*/GoldenLog.*:*/GoldenStyled.*:*.GoldenLinks*')
echo "$output" | tail -n 1
if echo "$output" | grep -q '^\[==========\] 0 tests'; then
    echo "refresh_golden.sh: no golden test ran" >&2
    exit 1
fi
git -C "$root" status --short -- tests/data
