#!/usr/bin/env bash
# The layering check passes on the tree as it is, and fails on a copy of it
# with a Qt include in the core or an include that points up a layer.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/tools/check_layers.py"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 "$check" "$root/src" || { echo "FAIL: the tree's layering is broken"; exit 1; }

expect_failure() {
    local what="$1" file="$2" line="$3"
    rm -rf "$work/src" && cp -r "$root/src" "$work/src"
    printf '%s\n' "$line" >>"$work/src/$file"
    if python3 "$check" "$work/src" >"$work/out"; then
        echo "FAIL: $what was not found"
        exit 1
    fi
    grep -q "$file" "$work/out" || { echo "FAIL: $what not reported at $file"; exit 1; }
}

expect_failure "a Qt include in the core" html/CTagData.h '#include <QString>'
expect_failure "a qt/ header in the core" editor/TextModel.cpp '#include "editor/qt/CMyEditBox.h"'
expect_failure "html including app" html/CTagData.cpp '#include "app/CEditorSettings.h"'
expect_failure "editor including app" editor/MarkList.cpp '#include "app/CommandIds.h"'
echo "layering holds, and its check catches each kind of fault"
