#!/usr/bin/env bash
# The installed AppStream metadata passes appstreamcli's validation without
# the network, and names the installed menu entry.
#
# Usage: metainfo.sh <out dir of build_deb.sh>
set -euo pipefail
OUT="${1:?usage: metainfo.sh <out dir>}"
source "$(dirname "$0")/lib.sh"
need_tools appstreamcli
ROOT=$(installed_root "$OUT/root")
metainfo="$ROOT/usr/share/metainfo/com.quillmark.Tagwright.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo installed"

report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) ||
    fail "appstreamcli validate: $report"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$ROOT/usr/share/applications/$launchable" ] ||
    fail "the metainfo launches '$launchable', which the package does not install"

echo "PASS: $report"
