# Sourced by the benchmark scripts that start programs with windows.

# Checks that Xvfb, xdotool and the further tools named are installed, makes
# a work folder in $work, starts the display, and removes both on exit.
prepare_display_run() {
    local tool
    for tool in Xvfb xdotool "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
    done
    work=$(mktemp -d)
    server=""
    trap end_display_run EXIT
    start_display
}

end_display_run() {
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}

# Starts an Xvfb on a display number nobody uses, waits until it answers,
# exports DISPLAY and leaves the server's pid in $server.
start_display() {
    local number
    for number in $(shuf -i 200-400 -n 20); do
        [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        server=$!
        for _ in $(seq 100); do
            DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1 && break
            sleep 0.05
        done
        if DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$number"
            return 0
        fi
        kill "$server" 2>/dev/null || true
        server=""
    done
    echo "no display could be started" >&2
    exit 2
}
