#!/usr/bin/env bash
# Takes the user guide's pictures again (content/guide/*.png) from the real windows, on a virtual
# X display of its own: the widget test test_user_guide fills the windows as the guide's captions
# describe and, with ORVO_GUIDE_PICTURES set, saves them. Run it after a window changes, then
# rebuild so that the program holds the new pictures.
#
# Usage: tools/guide_pictures.sh [build directory, default build-debug]
# ORVO_TEST_DISPLAY: the first X display number to try (default 104).
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-debug}
test_program=$build/tests/ui/test_user_guide
[ -x "$test_program" ] || { echo "missing $test_program: build the tests first"; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 2; }

work_dir=$(mktemp -d)
wait_seconds=30
xvfb_pid=
. "$here/tests/system/x_session.sh"
cleanup() {
    stop_pid "$xvfb_pid"
    rm -rf "$work_dir"
}
trap cleanup EXIT

start_display || { echo "no X display could be started"; exit 1; }
mkdir -p "$work_dir/config" "$work_dir/pictures"
# Plain settings, the usual font size and no scaling: the pictures show the windows as most
# people first see them.
env -u QT_SCALE_FACTOR -u QT_FONT_DPI QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 \
    XDG_CONFIG_HOME="$work_dir/config" ORVO_GUIDE_PICTURES="$work_dir/pictures" \
    "$test_program" picturesShowWhatTheGuideSays >"$work_dir/test.log" 2>&1 \
    || { cat "$work_dir/test.log"; echo "the windows no longer show what the guide says"; exit 1; }
for picture in chinese-input.png all-four-signs.png; do
    [ -s "$work_dir/pictures/$picture" ] || { echo "no $picture was taken"; exit 1; }
    cp "$work_dir/pictures/$picture" "$here/content/guide/$picture"
    echo "content/guide/$picture"
done
