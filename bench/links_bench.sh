#!/bin/bash
# Times tagwright-check --links and --broken-links over a folder of HTML pages
# taken as one project (a copy of the folder with a project file listing
# every page), and prints the median of several runs of each and how many
# broken links and bookmarks were found.
#
# usage: bench/links_bench.sh [BUILD_DIR] [CORPUS_DIR] [RUNS]
#   BUILD_DIR   holds tagwright-check           (default: build)
#   CORPUS_DIR  searched for *.html             (default: /usr/share/doc/python3.11/html)
#   RUNS        timed runs of each mode          (default: 5)
# The vocabulary is the repository's data/Data/Tags.txt and Colors.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
corpus=${2:-/usr/share/doc/python3.11/html}
runs=${3:-5}
checker="$build/tagwright-check"
tags="$root/data/Data/Tags.txt"
colors="$root/data/Data/Colors.txt"

for need in "$checker" "$tags" "$colors" "$corpus"; do
    [ -e "$need" ] || { echo "missing: $need" >&2; exit 2; }
done

site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
cp -r "$corpus/." "$site/"
project="$site/corpus.prj"
{
    printf 'NAME: corpus\r\n{\r\n'
    (cd "$site" && find . -name '*.html' -type f | sed 's|^\./||' | sort | tr '/' '\\' |
        sed 's/$/\r/')
    printf '}\r\n'
} >"$project"
pages=$(grep -c '\.html' "$project")

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

run() { "$checker" "$1" --tags "$tags" --colors "$colors" --project "$project"; }

cat "$site"/*.html >/dev/null
for mode in --links --broken-links; do
    times=()
    for ((i = 0; i < runs; i++)); do
        times+=("$(seconds run "$mode")")
    done
    printf '%-15s median %.3f s of %d runs\n' "$mode" "$(printf '%s\n' "${times[@]}" | median)" "$runs"
done

targets=$(run --links | grep -vc $'^\t' || true)
references=$(run --links | grep -c $'^\t' || true)
broken=$(run --broken-links || true)
printf 'corpus:          %d pages (%s)\n' "$pages" "$corpus"
printf 'links:           %d targets, %d references\n' "$targets" "$references"
printf 'broken:          %d link targets not found, %d bookmarks not found\n' \
    "$(grep -c ': link target not found: ' <<<"$broken" || true)" \
    "$(grep -c ': bookmark not found: ' <<<"$broken" || true)"
