#!/bin/bash
# Times the start of tagwright on a page under Xvfb, from launch until the
# page is painted, side by side with a Qt text editor of Debian (featherpad)
# started on the same file in the same run, and prints the medians.
#
# usage: bench/startup.sh [BUILD_DIR] [FILE] [RUNS]
#   BUILD_DIR   holds tagwright                       (default: build)
#   FILE        the page opened                       (default: examples/site/index.html)
#   RUNS        starts of each program, alternating   (default: 11)
#
# tagwright reports its first paint itself (TAGWRIGHT_REPORT_FIRST_PAINT).
# featherpad cannot, so both are also timed the same outside way: until a
# window of the process is mapped and visible (polled every few ms).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
file=${2:-"$root/examples/site/index.html"}
runs=${3:-11}
editor="$build/tagwright"

for need in "$editor" "$file"; do
    [ -e "$need" ] || { echo "missing: $need" >&2; exit 2; }
done
source "$root/bench/display.sh"
prepare_display_run featherpad

now_us() { echo $(($(date +%s%N) / 1000)); }

# Waits until process pid has a visible window; prints the microseconds since start.
until_visible() {
    local pid=$1 start=$2
    for _ in $(seq 2000); do
        if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
            echo $(($(now_us) - start))
            return 0
        fi
        sleep 0.002
    done
    echo "timeout"
}

# One start of tagwright: prints "painted visible" in microseconds.
start_tagwright() {
    local home="$work/home-$RANDOM" start pid painted visible
    mkdir -p "$home"
    start=$(now_us)
    HOME="$home" XDG_CONFIG_HOME="$home/.config" TAGWRIGHT_REPORT_FIRST_PAINT=1 \
        "$editor" "$file" 2>"$home/err" >/dev/null &
    pid=$!
    visible=$(until_visible "$pid" "$start")
    for _ in $(seq 2000); do
        grep -q '^first paint' "$home/err" && break
        sleep 0.002
    done
    painted=$(awk '/^first paint/ { print $3; exit }' "$home/err")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$((painted - start)) $visible"
}

start_featherpad() {
    local home="$work/home-$RANDOM" start pid visible
    mkdir -p "$home"
    start=$(now_us)
    HOME="$home" XDG_CONFIG_HOME="$home/.config" featherpad --standalone "$file" \
        >/dev/null 2>&1 &
    pid=$!
    visible=$(until_visible "$pid" "$start")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$visible"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One start of each first, untimed, so both read their files from the cache.
start_tagwright >/dev/null
start_featherpad >/dev/null

painted=()
tagwright_visible=()
featherpad_visible=()
for ((i = 0; i < runs; i++)); do
    read -r p v < <(start_tagwright)
    painted+=("$p")
    tagwright_visible+=("$v")
    featherpad_visible+=("$(start_featherpad)")
done

ms() { awk '{ printf "%.1f", $1 / 1000 }'; }
printf 'file:        %s (%d bytes), %d runs each, load average %s\n' "$file" \
    "$(wc -c <"$file")" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'tagwright:   first paint median %s ms; window visible median %s ms\n' \
    "$(printf '%s\n' "${painted[@]}" | median | ms)" \
    "$(printf '%s\n' "${tagwright_visible[@]}" | median | ms)"
printf 'featherpad:  window visible median %s ms\n' \
    "$(printf '%s\n' "${featherpad_visible[@]}" | median | ms)"
