#!/usr/bin/env bash
# A project opened the way a file manager opens it: the installed menu
# entry's Exec line, its file code replaced by the project's path, run from
# the unpacked package. The project was open when Project > Close Project
# saves it with the path it was opened from.
#
# Usage: open_from_menu_entry.sh <out dir of tests/packaging/build_deb.sh>
set -euo pipefail
OUT="${1:?usage: open_from_menu_entry.sh <out dir of build_deb.sh>}"
SITE=$(realpath "$(dirname "$0")/../../examples/site")
source "$(dirname "$0")/lib.sh"
ROOT="$OUT/root"
[ -d "$ROOT/usr" ] || fail "no unpacked package at $ROOT"
ROOT=$(realpath "$ROOT")
entry="$ROOT/usr/share/applications/com.quillmark.Tagwright.desktop"
[ -f "$entry" ] || fail "no menu entry installed"

cp -r "$SITE" "$work/site"
chmod -R u+w "$work/site"
project="$work/site/site.prj"

# A file manager replaces %f (or %F) with the file it opens and looks the
# program up on PATH.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
read -r program code rest <<<"$exec_line"
case "$code" in
%f | %F) ;;
*) fail "Exec=$exec_line takes no file" ;;
esac
[ -z "$rest" ] || fail "Exec=$exec_line has more arguments than the file"
program_path=$(PATH="$ROOT/usr/bin" command -v "$program") ||
    fail "Exec names '$program', which the package does not install"

e2e_start "$program_path" "$project" "^Quillmark - Tagwright$"
# The Project menu, then its "C&lose Project": "&Link Validation..." shares
# the letter, so the letter only selects the first of them and Return runs it.
xdotool key --delay 80 alt+p
sleep 0.3
xdotool key --delay 80 l Return
saved() { grep -q "^PATH: $project"$'\r'"\$" "$project"; }
wait_for saved || { cat -A "$project"; fail "the project did not open: closing it saved nothing"; }
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: Exec=$exec_line opened the project from the installed program"
