# Shared steps of the end-to-end tests: a private X server, a fresh home,
# the real editor started on a file, and its main window found and focused.
# Source it, then call e2e_start <editor> <file> <window name pattern>.

readonly SKIP=77

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
        exit "$SKIP"
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tagwright-e2e-XXXXXX")
xvfb_pid=""
editor_pid=""
window=""
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

# Waits until file holds exactly the bytes of the printf format expected.
expect_bytes() {
    local file="$1" expected
    expected=$(printf "$2" | od -An -tx1)
    if ! wait_for "[ \"\$(od -An -tx1 \"$file\")\" = \"$expected\" ]"; then
        echo "expected:"; echo "$expected"
        echo "on disk:"; od -An -c "$file"
        fail "the saved bytes differ"
    fi
}

e2e_start() {
    local editor_bin="$1" file="$2" name="$3"
    [ -x "$editor_bin" ] || fail "no executable at $editor_bin"
    # A display number of its own, chosen at random and tried until a server
    # answers on it: parallel runs never meet, and a number that a finishing
    # run has just freed (its server may still be tearing its socket down) is
    # unlikely to be picked.
    local attempt
    for attempt in $(seq 1 20); do
        local number=$((100 + RANDOM % 800))
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
        xvfb_pid=$!
        export DISPLAY=":$number"
        if wait_for 'xdotool getdisplaygeometry >/dev/null 2>&1 || ! kill -0 "$xvfb_pid" 2>/dev/null' &&
            kill -0 "$xvfb_pid" 2>/dev/null; then
            break
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    [ -n "$xvfb_pid" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

    # A fresh home: no settings, no recent files from whoever runs the test.
    mkdir -p "$work/home"
    export HOME="$work/home"
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb

    "$editor_bin" "$file" >"$work/editor.log" 2>&1 &
    editor_pid=$!

    find_window() {
        window=$(xdotool search --onlyvisible --pid "$editor_pid" --name "$name" 2>/dev/null |
            head -n1)
        [ -n "$window" ]
    }
    wait_for find_window || fail "no main window showing $file appeared"
    kill -0 "$editor_pid" 2>/dev/null || fail "the editor exited"

    # No window manager runs here: give the window the keyboard focus directly.
    xdotool mousemove --window "$window" 400 300
    xdotool windowfocus --sync "$window"
    # The document window takes the focus once the event loop has settled;
    # a loaded machine needs longer than an idle one.
    sleep 1
}
