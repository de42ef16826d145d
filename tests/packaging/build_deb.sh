#!/usr/bin/env bash
# Builds the Debian package of this build tree the way `make package` does
# and unpacks it with dpkg -x into <out>/root, for the tests that look at
# what a user installs.
#
# Usage: build_deb.sh <build dir> <out dir>
set -euo pipefail
BUILD=$(realpath "${1:?usage: build_deb.sh <build dir> <out dir>}")
OUT="${2:?usage: build_deb.sh <build dir> <out dir>}"
source "$(dirname "$0")/lib.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps

rm -rf "$OUT"
mkdir -p "$OUT"
OUT=$(realpath "$OUT")
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1 ||
    { cat "$OUT/cpack.log"; fail "cpack could not build the package"; }
shopt -s nullglob
debs=("$OUT"/*.deb)
[ ${#debs[@]} -eq 1 ] || { cat "$OUT/cpack.log"; fail "expected one .deb, found ${#debs[@]}"; }
ln -s "$(basename "${debs[0]}")" "$OUT/package.deb"
dpkg -x "${debs[0]}" "$OUT/root"
echo "PASS: built and unpacked $(basename "${debs[0]}")"
