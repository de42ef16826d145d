#!/usr/bin/env bash
# Keys as a user presses them on a real X server: Alt commands and Shift+Return
# run their commands instead of typing, a menu opened with Alt+F and closed
# with Escape types nothing, and a character composed with a dead key arrives.
# The file is opened by a relative path, as `make run` does.
#
# Usage: keys_and_compose.sh <path of the tagwright executable>
set -euo pipefail
EDITOR_BIN=$(realpath "${1:?usage: keys_and_compose.sh <tagwright executable>}")
source "$(dirname "$0")/lib.sh"

# Dead keys compose through the locale's compose table.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$work/site"
printf 'abc\n' >"$work/site/keys.html"
cd "$work/site"
e2e_start "$EDITOR_BIN" "keys.html" "Tagwright - \[$work/site/keys\.html\]"

xdotool key --delay 40 End alt+4 alt+5 shift+Return alt+f
sleep 0.3
# The first Escape closes the menu, the second leaves the menu bar.
xdotool key --delay 40 Escape Escape dead_acute e ctrl+s
expect_bytes "$work/site/keys.html" 'abc<BR>\xc3\xa9\n'
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"
echo "PASS: Alt keys and Shift+Return ran commands, the dead key composed"
