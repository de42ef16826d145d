#!/usr/bin/env bash
# Types into the real editor, waits until the unsaved text has been kept for
# recovery, kills the editor with SIGKILL, starts it again and takes the text
# back when it is offered, then saves it and checks the bytes on disk.
#
# Usage: recovery_after_kill.sh <path of the tagwright executable>
# Exit status 77 (a skip for CTest) when Xvfb or xdotool is not installed.
set -euo pipefail
readonly EDITOR_BIN=${1:?usage: recovery_after_kill.sh <tagwright executable>}
source "$(dirname "$0")/lib.sh"

# Kept every half second instead of every 30 seconds, for this test only.
export TAGWRIGHT_RECOVERY_INTERVAL_MS=500

mkdir -p "$work/site"
page="$work/site/page.html"
printf '<P>hello</P>\n' >"$page"
e2e_start "$EDITOR_BIN" "$page" "Tagwright - \[.*page\.html\]"
recovery="$HOME/.local/share/Quillmark/Tagwright/recovery"

xdotool type --delay 30 "KEPT "
# A whole recovery file, not the temporary one a write goes through.
wait_for "grep -rqsF --include='*.recovery' 'KEPT <P>hello' '$recovery'" ||
    fail "the typed text was not kept in $recovery"

kill -KILL "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
editor_pid=""
[ "$(od -An -c "$page")" = "$(printf '<P>hello</P>\n' | od -An -c)" ] ||
    fail "the file changed although it was never saved"

# Started again without a file: the kept text is offered back.
"$EDITOR_BIN" >"$work/editor.log" 2>&1 &
editor_pid=$!
# The search matches the main window as well: the question is the window
# with exactly this name.
find_question() {
    local id
    window=""
    for id in $(xdotool search --onlyvisible --pid "$editor_pid" --name 'Quillmark Tagwright' \
        2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Quillmark Tagwright" ]; then
            window=$id
        fi
    done
    [ -n "$window" ] || ! kill -0 "$editor_pid" 2>/dev/null
}
windows_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$editor_pid" --name '.' 2>/dev/null); do
        printf ' "%s"' "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}
# The question follows the whole start-up, which a loaded machine drags out.
{ wait_for find_question || wait_for find_question || wait_for find_question; } &&
    [ -n "$window" ] ||
    fail "no question about the kept text appeared; windows:$(windows_shown);" \
        "kept: $(find "$recovery" 2>/dev/null | tr '\n' ' ')"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --delay 30 y

find_document() {
    window=$(xdotool search --onlyvisible --pid "$editor_pid" --name "Tagwright - \[.*page\.html\]" \
        2>/dev/null | head -n1)
    [ -n "$window" ] || ! kill -0 "$editor_pid" 2>/dev/null
}
wait_for find_document && [ -n "$window" ] ||
    fail "the recovered document did not open; windows:$(windows_shown)"
# The window takes the focus back from the question once the start-up has
# settled; a loaded machine needs a while.
sleep 2
xdotool mousemove --window "$window" 400 300
xdotool windowfocus --sync "$window"
sleep 1
xdotool key --delay 30 ctrl+s
expect_bytes "$page" 'KEPT <P>hello</P>\n'
kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

echo "PASS: text typed before a SIGKILL was offered back and saved"
