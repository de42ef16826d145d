#!/usr/bin/env bash
# What a file manager sees once the package is installed: a project file is
# known by its "NAME:" first line, another program's .prj file is left
# alone, and the menu entry is offered for projects, HTML and XHTML.
# Uses the installed MIME and desktop databases through GIO, as GNOME's
# file manager does.
#
# Usage: file_types.sh <out dir of build_deb.sh>
set -euo pipefail
OUT="${1:?usage: file_types.sh <out dir>}"
source "$(dirname "$0")/lib.sh"
need_tools update-mime-database update-desktop-database gio
ROOT=$(installed_root "$OUT/root")
[ -d /usr/share/mime/packages ] || { echo "SKIP: no system MIME database"; exit "$SKIP"; }
home=$(fresh_home)
trap 'rm -rf "$home"' EXIT

# The package's files as a user's data directory, over the system's.
share="$home/.local/share"
mkdir -p "$share"
cp -r "$ROOT/usr/share/mime" "$ROOT/usr/share/applications" "$share/"
export XDG_DATA_HOME="$share" XDG_DATA_DIRS=/usr/share
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
# The entry's TryExec hides it unless its program is on PATH.
export PATH="$ROOT/usr/bin:$PATH"

files="$home/files"
mkdir -p "$files"
printf 'NAME: Bakery\r\nPATH: /srv/bakery/site.prj\r\n{\r\nindex.html\r\n}\r\n' >"$files/site.prj"
printf 'PROJCS["WGS 84 / UTM zone 33N",GEOGCS["WGS 84"]]\n' >"$files/map.prj"
printf '<html><body><p>x</p></body></html>\n' >"$files/page.html"
printf '<?xml version="1.0"?>\n<html xmlns="http://www.w3.org/1999/xhtml"/>\n' >"$files/page.xhtml"

content_type() {
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
while read -r file expected; do
    seen=$(content_type "$files/$file")
    [ "$seen" = "$expected" ] || fail "$file is $seen, expected $expected"
done <<'TABLE'
site.prj application/x-tagwright-project
page.html text/html
page.xhtml application/xhtml+xml
TABLE
seen=$(content_type "$files/map.prj")
[ "$seen" != application/x-tagwright-project ] || fail "another program's .prj is claimed"

for type in application/x-tagwright-project text/html application/xhtml+xml; do
    offered=$(gio mime "$type")
    grep -q "com.quillmark.Tagwright.desktop" <<<"$offered" ||
        fail "the menu entry is not offered for $type: $offered"
done
echo "PASS: projects known by content, other .prj files left alone, the entry offered for all three"
