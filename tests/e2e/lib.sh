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
    if [ -n "$xvfb_pid" ]; then
        echo "--- X server on $DISPLAY (pid $xvfb_pid, $(kill -0 "$xvfb_pid" 2>/dev/null && echo running || echo gone)) ---"
        cat "$work/xvfb.log" 2>/dev/null || true
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

# Starts a private X server on a display number of its own, chosen at random
# and tried until a server answers on it: parallel runs never meet, and a
# number that a finishing run has just freed is unlikely to be picked.
start_server() {
    local attempt number
    for attempt in $(seq 1 20); do
        number=$((100 + RANDOM % 800))
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
        xvfb_pid=$!
        export DISPLAY=":$number"
        if wait_for 'xdotool getdisplaygeometry >/dev/null 2>&1 || ! kill -0 "$xvfb_pid" 2>/dev/null' &&
            kill -0 "$xvfb_pid" 2>/dev/null; then
            return 0
        fi
        stop_server
    done
    fail "Xvfb did not start: $(cat "$work/xvfb.log")"
}

stop_server() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}

e2e_start() {
    local editor_bin="$1" file="$2" name="$3" attempt
    [ -x "$editor_bin" ] || fail "no executable at $editor_bin"

    # A fresh home: no settings, no recent files from whoever runs the test.
    mkdir -p "$work/home"
    export HOME="$work/home"
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb

    find_window() {
        window=$(xdotool search --onlyvisible --pid "$editor_pid" --name "$name" 2>/dev/null |
            head -n1)
        [ -n "$window" ] || ! kill -0 "$editor_pid" 2>/dev/null
    }
    # On a loaded machine a fresh server now and then refuses the editor's
    # first connection although it answered xdotool; that is the test bed,
    # not the editor, so such a start is tried again on a new server.
    for attempt in 1 2 3; do
        start_server
        "$editor_bin" "$file" >"$work/editor.log" 2>&1 &
        editor_pid=$!
        wait_for find_window || fail "no main window showing $file appeared"
        if kill -0 "$editor_pid" 2>/dev/null; then
            break
        fi
        wait "$editor_pid" 2>/dev/null || true
        grep -q "could not connect to display" "$work/editor.log" || fail "the editor exited"
        editor_pid=""
        stop_server
    done
    [ -n "$window" ] && kill -0 "$editor_pid" 2>/dev/null || fail "the editor could not start"

    # No window manager runs here: give the window the keyboard focus directly.
    xdotool mousemove --window "$window" 400 300
    xdotool windowfocus --sync "$window"
    # The document window takes the focus once the event loop has settled;
    # a loaded machine needs longer than an idle one.
    sleep 1
}
