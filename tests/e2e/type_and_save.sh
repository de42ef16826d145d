#!/usr/bin/env bash
# Starts the real editor on a private X server with a fresh home directory,
# opens a file from the command line, types into it, saves with Ctrl+S and
# checks the bytes on disk.
#
# Usage: type_and_save.sh <path of the tagwright executable>
# Exit status 77 (a skip for CTest) when Xvfb or xdotool is not installed.
set -euo pipefail

readonly SKIP=77
readonly EDITOR_BIN=${1:?usage: type_and_save.sh <tagwright executable>}

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
        exit "$SKIP"
    fi
done
[ -x "$EDITOR_BIN" ] || { echo "FAIL: no executable at $EDITOR_BIN"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tagwright-e2e-XXXXXX")
xvfb_pid=""
editor_pid=""
# Stops only the two processes this script started, and keeps the script's
# own exit status (a killed child's status must not replace it).
cleanup() {
    local status=$?
    for pid in "$editor_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -f "$work/editor.log" ]; then
        echo "--- editor output ---"
        cat "$work/editor.log"
    fi
    exit 1
}

# Polls a condition (a shell command) for up to ten seconds.
wait_for() {
    local tries=200
    until eval "$1"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# The server picks a free display number itself, so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for '[ -s "$work/display" ]' || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# A fresh home: no settings, no recent files from whoever runs the test.
mkdir -p "$work/home" "$work/site"
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

# CR LF lines, as on Windows; the tag names are already upper case, so the
# colouring that may upper-case them on open changes no byte.
page="$work/site/my page.html"
printf '<P>hello</P>\r\n<BR>\r\n' >"$page"

"$EDITOR_BIN" "$page" >"$work/editor.log" 2>&1 &
editor_pid=$!

window=""
find_window() {
    window=$(xdotool search --onlyvisible --pid "$editor_pid" --name "Tagwright - \[.*my page\.html\]" \
        2>/dev/null | head -n1)
    [ -n "$window" ]
}
wait_for find_window || fail "no main window showing $page appeared"
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

# No window manager runs here: give the window the keyboard focus directly.
xdotool mousemove --window "$window" 400 300
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool type --delay 30 "Hi there "
xdotool key --delay 30 ctrl+s

expected=$(printf 'Hi there <P>hello</P>\r\n<BR>\r\n' | od -An -tx1)
saved_as_expected() { [ "$(od -An -tx1 "$page")" = "$expected" ]; }
if ! wait_for saved_as_expected; then
    echo "expected:"; echo "$expected"
    echo "on disk:"; od -An -c "$page"
    fail "the saved bytes differ"
fi

# The save replaced the file in one step: nothing is left beside it.
leftovers=$(find "$work/site" -mindepth 1 ! -name 'my page.html' | wc -l)
[ "$leftovers" -eq 0 ] || fail "temporary files were left beside the document"
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: typed text saved with Ctrl+S, CR LF line ends kept"
