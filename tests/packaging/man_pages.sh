#!/usr/bin/env bash
# Every installed man page formats without a single warning from man.
#
# Usage: man_pages.sh <out dir of build_deb.sh> <page>...
set -euo pipefail
OUT="${1:?usage: man_pages.sh <out dir> <page>...}"
shift
source "$(dirname "$0")/lib.sh"
need_tools man groff
ROOT=$(installed_root "$OUT/root")
[ $# -gt 0 ] || fail "no pages named"

for page in "$@"; do
    file="$ROOT/usr/share/man/man1/$page.1.gz"
    [ -f "$file" ] || fail "$page(1) is not installed"
    # A fixed width: whether a line can be broken depends on it.
    warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$file" 2>&1 >/dev/null) ||
        fail "man could not format $page(1): $warnings"
    [ -z "$warnings" ] || fail "$page(1): $warnings"
done
echo "PASS: $* format without warnings"
