#!/bin/bash
# Times tagwright-check against `tidy -e -q` over the same HTML files, side by
# side, and prints the median of several runs of each and their ratio.
#
# usage: bench/compare_tidy.sh [BUILD_DIR] [CORPUS_DIR] [RUNS]
#   BUILD_DIR   holds tagwright-check           (default: build)
#   CORPUS_DIR  searched for *.html             (default: /usr/share/doc/python3.11/html)
#   RUNS        timed runs of each tool          (default: 5)
# The vocabulary is the repository's data/Data/Tags.txt and Colors.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
corpus=${2:-/usr/share/doc/python3.11/html}
runs=${3:-5}
checker="$build/tagwright-check"
tags="$root/data/Data/Tags.txt"
colors="$root/data/Data/Colors.txt"

for need in "$checker" "$tags" "$colors"; do
    [ -e "$need" ] || { echo "missing: $need" >&2; exit 2; }
done
command -v tidy >/dev/null || { echo "tidy is not installed" >&2; exit 2; }

mapfile -d '' files < <(find "$corpus" -name '*.html' -type f -print0 | sort -z)
[ "${#files[@]}" -gt 0 ] || { echo "no *.html under $corpus" >&2; exit 2; }
bytes=$(cat "${files[@]}" | wc -c)

# Seconds (with fractions) that one run of "$@" takes, output discarded.
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

run_checker() { "$checker" --tags "$tags" --colors "$colors" "${files[@]}"; }
run_tidy() { tidy -e -q "${files[@]}"; }

# Warm the page cache so that neither tool pays for the first read.
cat "${files[@]}" >/dev/null

checker_times=()
tidy_times=()
for ((i = 0; i < runs; i++)); do
    checker_times+=("$(seconds run_checker)")
    tidy_times+=("$(seconds run_tidy)")
done
checker_median=$(printf '%s\n' "${checker_times[@]}" | median)
tidy_median=$(printf '%s\n' "${tidy_times[@]}" | median)

errors=$(run_checker 2>/dev/null | wc -l || true)
printf 'corpus:          %d files, %d bytes (%s)\n' "${#files[@]}" "$bytes" "$corpus"
printf 'tagwright-check: median %.3f s of %d runs (%s error lines)\n' "$checker_median" "$runs" "$errors"
printf 'tidy -e -q:      median %.3f s of %d runs\n' "$tidy_median" "$runs"
printf 'ratio:           tagwright-check is %.1f times faster\n' "$(echo "$tidy_median / $checker_median" | bc -l)"
