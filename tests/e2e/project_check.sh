#!/usr/bin/env bash
# A copy of the example project, opened from the command line in a folder
# whose name has a blank and a non-ASCII letter: Ctrl+Alt+C checks the whole
# project into an Error Log, Project > Close Project saves the project file
# where the copy lives, whatever its "PATH:" line said before.
#
# Usage: project_check.sh <path of the tagwright executable>
set -euo pipefail
EDITOR_BIN=$(realpath "${1:?usage: project_check.sh <tagwright executable>}")
SITE=$(realpath "$(dirname "$0")/../../examples/site")
source "$(dirname "$0")/lib.sh"

copy="$work/my site ä"
cp -r "$SITE" "$copy"
chmod -R u+w "$copy"
project="$copy/site.prj"
e2e_start "$EDITOR_BIN" "$project" "^Quillmark - Tagwright$"

xdotool key --delay 40 ctrl+alt+c
log_shown() {
    xdotool search --onlyvisible --pid "$editor_pid" --name "Tagwright - \[Error Log\]" \
        >/dev/null 2>&1
}
wait_for log_shown || fail "Check Project showed no Error Log"

# The Project menu, then its "C&lose Project": "&Link Validation..." shares
# the letter, so the letter only selects the first of them and Return runs it.
xdotool key --delay 80 alt+p
sleep 0.3
xdotool key --delay 80 l Return
saved() { grep -q "^PATH: $copy/site.prj"$'\r'"\$" "$project"; }
wait_for saved || { cat -A "$project"; fail "the project was not saved where it was opened"; }

expected=$(printf 'NAME: Millbrook Village Bakery\r\nPATH: %s\r\n' "$project")
[ "$(head -n2 "$project")" = "$expected" ] || { cat -A "$project"; fail "wrong head lines"; }
grep -q $'^products\\\\cakes.html\r$' "$project" || fail "the file list lost its backslashes"
[ "$(grep -c . "$project")" -eq 21 ] || { cat -A "$project"; fail "the file list changed"; }
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: project checked with Ctrl+Alt+C, closed from the menu, saved in its new folder"
