#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs from it: the program,
# its desktop entry (valid, starting the installed program, naming an installed icon), the icon
# in every hicolor size, and AppStream metadata that appstreamcli accepts.
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
[ "${exec_line%% *}" = orvo ] || fail "the desktop entry starts \"$exec_line\", not orvo"
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

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli refused the metainfo"
else
    echo "appstreamcli not installed: metainfo not validated"
fi
echo PASS
