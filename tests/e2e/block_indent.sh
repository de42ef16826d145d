#!/usr/bin/env bash
# Tab and Shift+Tab on a selected line, pressed as a user presses them on a
# real X server: each indent takes exactly the selected line, however often
# it is repeated, and an unindent gives one tab back.
#
# Usage: block_indent.sh <path of the tagwright executable>
set -euo pipefail
EDITOR_BIN=$(realpath "${1:?usage: block_indent.sh <tagwright executable>}")
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/site"
page="$work/site/lines.html"
printf 'a\nb\nc\nd\n' >"$page"
e2e_start "$EDITOR_BIN" "$page" "Tagwright - \[.*lines\.html\]"

# The third line selected, then Tab, Tab, Shift+Tab, Tab.
xdotool key --delay 40 Down Down shift+Right Tab Tab shift+Tab Tab ctrl+s
expect_bytes "$page" 'a\nb\n\t\tc\nd\n'
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: repeated block indents kept to the selected line"
