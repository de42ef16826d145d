#!/bin/sh
# Regenerates the scanner and checker references under tests/data from the
# current code: runs the golden tests (which write *.new files for every
# difference) and moves each .new file over its reference. Review the diff
# before committing it.
#
# usage: tools/refresh_golden.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target tagwright_core_tests
"$build/tests/tagwright_core_tests" --gtest_filter='GoldenFilesTest.*' >/dev/null || true
count=0
for new in "$root"/tests/data/*.new; do
    [ -e "$new" ] || continue
    mv "$new" "${new%.new}"
    echo "updated ${new%.new}"
    count=$((count + 1))
done
echo "$count reference file(s) refreshed"
