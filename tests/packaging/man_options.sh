#!/usr/bin/env bash
# Every option that a program's --help lists is explained in its man page:
# a new option fails here until the page describes it.
#
# Usage: man_options.sh <program> <man page source>
set -euo pipefail
PROGRAM="${1:?usage: man_options.sh <program> <man page source>}"
PAGE="${2:?usage: man_options.sh <program> <man page source>}"
source "$(dirname "$0")/lib.sh"

help=$(env -u DISPLAY "$PROGRAM" --help) || fail "$PROGRAM --help failed"
options=$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
[ -n "$options" ] || fail "--help lists no options"
# The page writes each dash as \- .
text=$(sed 's/\\-/-/g' "$PAGE")
missing=()
for option in $options; do
    grep -Eq -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || missing+=("$option")
done
[ ${#missing[@]} -eq 0 ] || fail "$(basename "$PAGE") does not describe: ${missing[*]}"
echo "PASS: $(basename "$PAGE") describes $(echo $options)"
