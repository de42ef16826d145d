#!/usr/bin/env bash
# Checks a page with one unknown tag as a user does on a real X server:
# Alt+C opens the Error Log, Return on its first error selects the faulty
# name in the page, typing replaces it, Ctrl+S writes the fix.
#
# Usage: check_and_fix.sh <path of the tagwright executable>
set -euo pipefail
EDITOR_BIN=$(realpath "${1:?usage: check_and_fix.sh <tagwright executable>}")
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/site"
page="$work/site/fix me.html"
printf '<P>one</P>\r\n<ZORG>two</P>\r\n' >"$page"
e2e_start "$EDITOR_BIN" "$page" "Tagwright - \[.*fix me\.html\]"

xdotool key --delay 40 alt+c
# The main window's caption names the active child window.
error_log() {
    xdotool getwindowname "$window" 2>/dev/null | grep -q '\[Error Log\]$'
}
wait_for error_log || fail "no Error Log came to the top after Alt+C"

# Return on the first error line selects ZORG in the page. The line is
# listed once the check has run, a few milliseconds after the log shows.
sleep 1
xdotool key --delay 40 Return
wait_for '! error_log' || fail "Return on the error line did not go to the page"
sleep 0.3
xdotool type --delay 40 "P"
xdotool key --delay 40 ctrl+s
expect_bytes "$page" '<P>one</P>\r\n<P>two</P>\r\n'
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: Alt+C, Return on the error, the fix typed and saved"
