#!/bin/bash
# Resident size of tagwright under Xvfb: started on nothing, on one page of
# 1,000,000 bytes, and on twenty pages of 50,000 bytes, each read from
# /proc once the documents are painted and the colouring has settled.
#
# usage: bench/memory.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
editor="$build/tagwright"
[ -x "$editor" ] || { echo "missing: $editor" >&2; exit 2; }
source "$root/bench/display.sh"
prepare_display_run

# The example site's pages one after another, cut to the given size.
page() {
    local bytes=$1 out=$2
    : >"$out"
    while [ "$(wc -c <"$out")" -lt "$bytes" ]; do
        find "$root/examples/site" -name '*.html' -print0 | sort -z | xargs -0 cat >>"$out"
    done
    truncate -s "$bytes" "$out"
}

page 1000000 "$work/megabyte.html"
small=()
for i in $(seq -w 1 20); do
    page 50000 "$work/page$i.html"
    small+=("$work/page$i.html")
done

# Resident kilobytes of tagwright started on the given files.
resident() {
    local home="$work/home-$RANDOM" pid
    mkdir -p "$home"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" TAGWRIGHT_REPORT_FIRST_PAINT=1 \
        "$editor" "$@" 2>"$home/err" >/dev/null &
    pid=$!
    for _ in $(seq 3000); do
        grep -q '^first paint' "$home/err" && break
        sleep 0.01
    done
    sleep 2 # the colouring of every document ends
    awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

printf 'no document:            %6d kB resident\n' "$(resident)"
printf 'one 1,000,000-byte page: %6d kB resident\n' "$(resident "$work/megabyte.html")"
printf 'twenty 50,000-byte pages: %6d kB resident\n' "$(resident "${small[@]}")"
