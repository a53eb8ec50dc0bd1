#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs from it: the program,
# its desktop entry (valid, starting the installed program, naming an installed icon), the icon
# in every hicolor size, and AppStream metadata that appstreamcli accepts; the saved readings'
# file types: their MIME definitions accepted by update-mime-database, named by xdg-mime for a
# saved reading and opened by the desktop entry, and an icon for each.
#
# Usage: install_test.sh <build directory>
set -euo pipefail

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/orvo" ] || fail "bin/orvo not installed"

desktop=$prefix/share/applications/orvo.desktop
[ -f "$desktop" ] || fail "share/applications/orvo.desktop not installed"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = "orvo %f" ] || fail "the desktop entry starts \"$exec_line\", not \"orvo %f\""
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "icon $icon missing in ${size}x${size}"
    # The PNG header holds width and height as 32-bit big-endian numbers at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" \
        | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
        fail "the ${size}x${size} icon is ${width}x${height}"
    fi
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "scalable icon missing"

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo installed"
grep -q '<launchable type="desktop-id">orvo.desktop</launchable>' "${metainfo[0]}" \
    || fail "the metainfo does not launch orvo.desktop"

[ "$(sed -n 's/^MimeType=//p' "$desktop")" = "application/x-orvo-chinese-reading;application/x-orvo-zodiac-reading;" ] \
    || fail "the desktop entry does not open both kinds of saved reading"
for type in application-x-orvo-chinese-reading application-x-orvo-zodiac-reading; do
    for size in 16 48 256; do
        [ -f "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/$type.png" ] || fail "no ${size}x${size} icon for $type"
    done
    [ -f "$prefix/share/icons/hicolor/scalable/mimetypes/$type.svg" ] || fail "no scalable icon for $type"
done
grep -q '^License: MIT$' "$prefix/share/doc/orvo/copyright" || fail "share/doc/orvo/copyright does not name the MIT licence"
grep -q '<project_license>MIT</project_license>' "${metainfo[0]}" || fail "the metainfo does not name the MIT licence"

mime_xml=$prefix/share/mime/packages/orvo.xml
[ -f "$mime_xml" ] || fail "share/mime/packages/orvo.xml not installed"
# Only the scratch prefix counts: the machine's own MIME database plays no part.
export XDG_DATA_HOME=$prefix/home XDG_DATA_DIRS=$prefix/share
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" 2>"$prefix/mime.log" || { cat "$prefix/mime.log"; fail "update-mime-database refused orvo.xml"; }
    [ -s "$prefix/mime.log" ] && { cat "$prefix/mime.log"; fail "update-mime-database warned about orvo.xml"; }
    grep -q '^application/x-orvo-zodiac-reading$' "$prefix/share/mime/types" || fail "the MIME database lacks the zodiac reading"
    if command -v xdg-mime >/dev/null && command -v gio >/dev/null; then
        # As on a GNOME desktop: xdg-mime asks gio, which reads the shared MIME database (without
        # a desktop it would ask file(1), which knows nothing of it).
        export XDG_CURRENT_DESKTOP=GNOME
        mkdir -p "$prefix/readings"
        printf '\xa2\xb6\xc2\xb6\r\n' >"$prefix/readings/saved.str"
        printf '\xa2\xb6\xc2\xb6\r\n' >"$prefix/readings/saved.zod"
        for case in "saved.str application/x-orvo-chinese-reading" "saved.zod application/x-orvo-zodiac-reading"; do
            read -r file type <<<"$case"
            found=$(xdg-mime query filetype "$prefix/readings/$file")
            [ "$found" = "$type" ] || fail "xdg-mime names $file \"$found\", not $type"
        done
        update-desktop-database "$prefix/share/applications" 2>/dev/null
        found=$(xdg-mime query default application/x-orvo-zodiac-reading)
        [ "$found" = orvo.desktop ] || fail "xdg-mime opens a zodiac reading with \"$found\", not orvo.desktop"
    else
        echo "xdg-mime (xdg-utils) or gio (libglib2.0-bin) not installed: file types not queried"
    fi
else
    echo "update-mime-database not installed (shared-mime-info): MIME definitions not checked"
fi

# Where every test must run (CI=true), a missing validator is a failure.
missing_tool() {
    [ "${CI:-}" = true ] && fail "$1 is not installed (tools/install-deps.sh --tests)"
    echo "$1 not installed: $2 not validated"
}
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
else
    missing_tool desktop-file-validate "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli refused the metainfo"
else
    missing_tool appstreamcli metainfo
fi
echo PASS
