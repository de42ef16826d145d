#!/usr/bin/env bash
# Starts the real editor on a private X server with a fresh home directory,
# opens a file from the command line, types into it, saves with Ctrl+S and
# checks the bytes on disk.
#
# Usage: type_and_save.sh <path of the tagwright executable>
# Exit status 77 (a skip for CTest) when Xvfb or xdotool is not installed.
set -euo pipefail
readonly EDITOR_BIN=${1:?usage: type_and_save.sh <tagwright executable>}
source "$(dirname "$0")/lib.sh"

# CR LF lines, as on Windows; the tag names are already upper case, so the
# colouring that may upper-case them on open changes no byte.
mkdir -p "$work/site"
page="$work/site/my page.html"
printf '<P>hello</P>\r\n<BR>\r\n' >"$page"
e2e_start "$EDITOR_BIN" "$page" "Tagwright - \[.*my page\.html\]"

xdotool type --delay 30 "Hi there "
xdotool key --delay 30 ctrl+s
expect_bytes "$page" 'Hi there <P>hello</P>\r\n<BR>\r\n'

# The save replaced the file in one step: nothing is left beside it.
leftovers=$(find "$work/site" -mindepth 1 ! -name 'my page.html' | wc -l)
[ "$leftovers" -eq 0 ] || fail "temporary files were left beside the document"
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: typed text saved with Ctrl+S, CR LF line ends kept"
