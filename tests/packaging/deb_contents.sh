#!/usr/bin/env bash
# What the Debian package installs: its dependencies as dpkg-shlibdeps
# computed them, every file a desktop expects where it looks for it, the
# icon at each fixed size, and the programs run from the unpacked /usr with
# their data found beside them.
#
# Usage: deb_contents.sh <out dir of build_deb.sh> <with editor: 1|0> <version>
set -euo pipefail
OUT="${1:?usage: deb_contents.sh <out dir> <with editor: 1|0> <version>}"
WITH_EDITOR="${2:?}"
VERSION="${3:?}"
source "$(dirname "$0")/lib.sh"
need_tools dpkg-deb man
ROOT=$(installed_root "$OUT/root")
home=$(fresh_home)
trap 'rm -rf "$home"' EXIT

# --- dependencies -----------------------------------------------------------
depends=$(dpkg-deb -f "$OUT/package.deb" Depends)
expected=(libc6 libstdc++6)
if [ "$WITH_EDITOR" = 1 ]; then
    expected+=(libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libqt6svg6)
fi
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for package in "${expected[@]}"; do
    grep -Fqx "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

# --- files --------------------------------------------------------------------
files=(usr/bin/tagwright-check usr/share/tagwright/Data/Tags.txt
    usr/share/tagwright/Data/Colors.txt usr/share/man/man1/tagwright-check.1.gz)
if [ "$WITH_EDITOR" = 1 ]; then
    files+=(usr/bin/tagwright usr/share/man/man1/tagwright.1.gz
        usr/share/applications/com.quillmark.Tagwright.desktop
        usr/share/metainfo/com.quillmark.Tagwright.metainfo.xml
        usr/share/mime/packages/com.quillmark.Tagwright.xml
        usr/share/icons/hicolor/scalable/apps/com.quillmark.Tagwright.svg)
fi
for file in "${files[@]}"; do
    [ -f "$ROOT/$file" ] || fail "the package does not install /$file"
done

# Width and height from a PNG's header, as "WxH".
png_size() {
    local words
    words=($(od -An -tu1 -j16 -N8 "$1"))
    echo "$(((words[2] << 8) | words[3]))x$(((words[6] << 8) | words[7]))"
}
if [ "$WITH_EDITOR" = 1 ]; then
    for size in 16 32 48 64 128 256; do
        png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/com.quillmark.Tagwright.png"
        [ -f "$png" ] || fail "no ${size}x${size} icon"
        [ "$(png_size "$png")" = "${size}x${size}" ] ||
            fail "the ${size}x${size} icon is $(png_size "$png")"
    done
fi

# --- the checker, run from the unpacked /usr/bin ------------------------------
pages="$home/site"
mkdir -p "$pages"
printf '<html><body>\n<p>fine</p>\n</body></html>\n' >"$pages/clean.html"
printf '<html><body>\n<p><blink2>x</blink2></p>\n</body></html>\n' >"$pages/faulty.html"
status=0
report=$(cd "$pages" && "$ROOT/usr/bin/tagwright-check" clean.html faulty.html 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "tagwright-check exited $status, expected 1: $report"
[ "$report" = "$(printf 'faulty.html:2:5: BLINK2 is an unknown tag\nfaulty.html:2:14: BLINK2 is an unknown tag')" ] ||
    fail "unexpected report: $report"
"$ROOT/usr/bin/tagwright-check" "$pages/clean.html" || fail "a clean page did not pass"

# --- the editor answers without a display ---------------------------------------
if [ "$WITH_EDITOR" = 1 ]; then
    shown=$(env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/tagwright" --version) ||
        fail "tagwright --version failed"
    [ "$shown" = "tagwright $VERSION" ] || fail "tagwright --version printed: $shown"
fi

# --- man finds the pages where they are installed ------------------------------
found=$(MANPATH="$ROOT/usr/share/man" man -w tagwright-check) || fail "man -w found nothing"
[ "$found" = "$ROOT/usr/share/man/man1/tagwright-check.1.gz" ] || fail "man -w found $found"

echo "PASS: dependencies ($depends), files, icons, and the programs run from the package"
