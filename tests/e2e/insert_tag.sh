#!/usr/bin/env bash
# Builds a link with Insert Tag from the keyboard alone, as a user does on a
# real X server: Ctrl+T opens the dialog, the tree finds A by its group, the
# filter finds HREF, Return goes on to its field, Alt+I inserts the tag at
# the caret and Escape closes the dialog; Ctrl+S writes the page.
#
# Usage: insert_tag.sh <path of the tagwright executable>
set -euo pipefail
EDITOR_BIN=$(realpath "${1:?usage: insert_tag.sh <tagwright executable>}")
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/site"
page="$work/site/links.html"
printf 'go\n' >"$page"
e2e_start "$EDITOR_BIN" "$page" "Tagwright - \[.*links\.html\]"

# The search also answers with the main window, so each window found is
# asked for its name.
insert_tag_window() {
    local found
    for found in $(xdotool search --onlyvisible --pid "$editor_pid" --name 'Insert Tag' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$found" 2>/dev/null)" = "Insert Tag" ]; then
            dialog=$found
            return 0
        fi
    done
    return 1
}
xdotool key --delay 40 ctrl+t
wait_for insert_tag_window || fail "Ctrl+T showed no Insert Tag dialog"
wait_for '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ]' ||
    fail "the Insert Tag dialog did not take the keyboard"
sleep 0.3
# The tree has the focus: "Text" selects its group, Right opens it and
# Down goes to its first tag, A.
xdotool type --delay 60 "Text"
xdotool key --delay 60 Right Down
sleep 0.3
xdotool key --delay 60 alt+f
xdotool type --delay 60 "href"
xdotool key --delay 60 Return
xdotool type --delay 60 "order.html"
xdotool key --delay 60 alt+i
sleep 0.3
xdotool key --delay 60 Escape
dialog_shown() {
    xwininfo -id "$dialog" 2>/dev/null | grep -q 'Map State: IsViewable'
}
wait_for '! dialog_shown' || fail "Escape left the Insert Tag dialog open"
# Without a window manager nobody hands the focus back to the main window.
xdotool windowfocus --sync "$window"
xdotool key --delay 40 ctrl+s
expect_bytes "$page" '<A HREF=order.html>go\n'
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: Ctrl+T, the A tag with its HREF filled in, inserted and saved"
