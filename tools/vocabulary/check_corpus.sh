#!/bin/sh
# Acceptance check of the default vocabulary (data/Data/Tags.txt).
#
#   tools/vocabulary/check_corpus.sh [BUILD_DIR] [CORPUS_DIR]
#
# BUILD_DIR holds tagwright-check (default: build); CORPUS_DIR is a tree of
# real HTML5 pages (default: the python3.11-doc HTML under /usr/share/doc).
#
# 1. the file is up to date with its table and reads cleanly;
# 2. every sample of the HTML the editor writes checks with 0 errors;
# 3. the example site and the templates check with 0 errors;
# 4. on the corpus no line reports an unknown tag or argument.
# Prints the error lines of the corpus by kind and every unknown line.
# Exit status 0 when all four hold.

set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$ROOT/build}
CORPUS=${2:-/usr/share/doc/python3.11/html}
CHECK=$BUILD/tagwright-check
TAGS=$ROOT/data/Data/Tags.txt
COLORS=$ROOT/data/Data/Colors.txt
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
STATUS=0

fail() {
    echo "FAILED: $1"
    STATUS=1
}

if [ ! -x "$CHECK" ]; then
    echo "no $CHECK: build it first (cmake --build $BUILD --target tagwright-check)"
    exit 2
fi

echo "== 1. tag file"
python3 "$ROOT/tools/gen_tags.py" --check || fail "Tags.txt is not generated from the table"
python3 "$ROOT/tools/vocabulary/check_tagfile.py" "$TAGS" || fail "structure of Tags.txt"

# check_clean LABEL FILE...: all files must check with 0 errors.
check_clean() {
    label=$1
    shift
    "$CHECK" --tags "$TAGS" --colors "$COLORS" "$@" > "$WORK/clean.out"
    lines=$(wc -l < "$WORK/clean.out")
    echo "$label: $# files, $lines error lines"
    if [ "$lines" -ne 0 ]; then
        cat "$WORK/clean.out"
        fail "$label"
    fi
}

echo "== 2. HTML the editor writes"
python3 "$ROOT/tools/vocabulary/program_output.py" "$WORK/samples" > /dev/null
check_clean "editor output samples" "$WORK"/samples/*.html

echo "== 3. example site and templates"
check_clean "example site" $(find "$ROOT/examples/site" -name '*.html' | sort)
check_clean "templates" "$ROOT"/data/templates/*.htm

echo "== 4. corpus $CORPUS"
find "$CORPUS" -type f \( -name '*.html' -o -name '*.htm' \) | sort > "$WORK/corpus.list"
files=$(wc -l < "$WORK/corpus.list")
tr '\n' '\0' < "$WORK/corpus.list" |
    xargs -0 "$CHECK" --tags "$TAGS" --colors "$COLORS" --format gnu > "$WORK/corpus.out"
lines=$(wc -l < "$WORK/corpus.out")
echo "$files files, $lines error lines"
sed 's/^.*:[0-9]*:[0-9]*: //' "$WORK/corpus.out" | awk '
    / is an unknown tag$/            { kind["unknown tag"]++; next }
    / Argument in .* tag unknown$/   { kind["unknown argument"]++; next }
    / cannot be placed here$/        { kind["cannot be placed here"]++; next }
    / found before </                { kind["closing tag found before opening"]++; next }
    /^Parameter to .* is incorrect$/ { kind["incorrect parameter"]++; next }
                                     { kind["other"]++ }
    END { for (k in kind) printf "  %6d  %s\n", kind[k], k }' | sort -rn
grep -E ' is an unknown tag$| Argument in .* tag unknown$' "$WORK/corpus.out" > "$WORK/unknown.out"
if [ -s "$WORK/unknown.out" ]; then
    echo "unknown tags and arguments:"
    cat "$WORK/unknown.out"
    fail "the corpus has unknown tags or arguments"
fi

[ "$STATUS" -eq 0 ] && echo "acceptance holds"
exit "$STATUS"
