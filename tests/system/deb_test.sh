#!/usr/bin/env bash
# Builds the Debian package of a build (cpack -G DEB) into a scratch directory and checks it:
# the Qt libraries and the platform plugins among its dependencies, the files a desktop needs
# (the saved readings' file types among them) and the licence where Debian keeps it; then lintian,
# which must find no error.
#
# Usage: deb_test.sh <build directory>
set -euo pipefail

build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log"; fail "cpack could not build the package"; }
debs=("$out"/orvo_*.deb)
[ -f "${debs[0]}" ] || fail "no orvo_*.deb built"
deb=${debs[0]}
echo "built $(basename "$deb")"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins; do
    [[ ",$depends," =~ [,\ ]${needed}[\ ,] ]] || fail "the package does not depend on $needed"
done

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for path in ./usr/bin/orvo ./usr/share/applications/orvo.desktop \
            ./usr/share/icons/hicolor/48x48/apps/orvo.png ./usr/share/icons/hicolor/scalable/apps/orvo.svg \
            ./usr/share/mime/packages/orvo.xml ./usr/share/doc/orvo/copyright \
            ./usr/share/icons/hicolor/48x48/mimetypes/application-x-orvo-zodiac-reading.png; do
    grep -qx -- "$path" <<<"$contents" || fail "the package lacks $path"
done
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$contents" || fail "the package lacks its AppStream metainfo"

# Lintian checks the package as Debian's archive would. What it says of a package built outside a
# Debian source package (no Debian changelog: the program's history is its own) is left out;
# every other error fails, warnings are shown.
if command -v lintian >/dev/null; then
    outside_debian=no-changelog,debian-changelog-file-missing
    lintian --fail-on error --suppress-tags "$outside_debian" --tag-display-limit 0 "$deb" \
        || fail "lintian found errors in the package"
elif [ "${CI:-}" = true ]; then
    fail "lintian is not installed (tools/install-deps.sh --tests)"
else
    echo "lintian not installed: the package not checked by it"
fi
echo PASS
