#!/usr/bin/env bash
# The installed menu entry passes desktop-file-validate (warnings count as
# failures, hints do not), and the program its Exec line names is the one
# the package installs and it starts.
#
# Usage: desktop_entry.sh <out dir of build_deb.sh> <version>
set -euo pipefail
OUT="${1:?usage: desktop_entry.sh <out dir> <version>}"
VERSION="${2:?}"
source "$(dirname "$0")/lib.sh"
need_tools desktop-file-validate
ROOT=$(installed_root "$OUT/root")
entry="$ROOT/usr/share/applications/com.quillmark.Tagwright.desktop"
[ -f "$entry" ] || fail "no menu entry installed"

report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
if grep -Eq "(error|warning):" <<<"$report"; then
    fail "desktop-file-validate: $report"
fi

exec_line=$(sed -n 's/^Exec=//p' "$entry")
read -r program rest <<<"$exec_line"
[ -x "$ROOT/usr/bin/$program" ] || fail "Exec names '$program', which the package does not install"
shown=$(env -u DISPLAY PATH="$ROOT/usr/bin:$PATH" "$program" --version) ||
    fail "'$program --version' failed"
[ "$shown" = "tagwright $VERSION" ] || fail "'$program --version' printed: $shown"

echo "PASS: $entry is valid; Exec=$exec_line starts the installed program"
