#!/usr/bin/env bash
# Uses the real program as a screen reader does: through the accessibility bus (AT-SPI over
# D-Bus), under a window manager on a virtual X display of its own. The steps are in
# screen_reader.py; this script starts the display, the session bus, the accessibility bus, the
# window manager and the program, and ends each of them by process id.
#
# Usage: screen_reader_test.sh <orvo binary>
# Exit 77 (skipped) where a tool is missing or the accessibility bus cannot start, unless CI=true.
set -uo pipefail

orvo=$1
here=$(cd "$(dirname "$0")" && pwd)
wait_seconds=${ORVO_TEST_WAIT_SECONDS:-60}
xvfb_pid=
work_dir=$(mktemp -d)
chmod 700 "$work_dir"
. "$here/x_session.sh"

# Where every test must run (CI), a missing tool is a failure.
missing() {
    [ "${CI:-}" = true ] && { echo "FAIL: $1 is not installed (tools/install-deps.sh --tests)"; exit 1; }
    echo "SKIP: $1 is not installed"
    exit 77
}
for tool in openbox dbus-run-session xdotool xprop /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || missing "$tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing python3-pyatspi

cleanup() {
    stop_pid "$xvfb_pid"
    rm -rf "$work_dir"
}
trap cleanup EXIT

start_display || { echo "FAIL: no X display could be started"; exit 1; }
mkdir -p "$work_dir/config" "$work_dir/runtime"
chmod 700 "$work_dir/runtime"

# Everything on the session bus lives and ends inside dbus-run-session.
XDG_CONFIG_HOME=$work_dir/config XDG_RUNTIME_DIR=$work_dir/runtime \
ORVO=$orvo WORK_DIR=$work_dir WAIT_SECONDS=$wait_seconds \
    timeout $((wait_seconds * 6)) dbus-run-session -- bash -c '
    . "'"$here"'/x_session.sh"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK_DIR/atspi.log" 2>&1 &
    bus_pid=$!
    openbox >"$WORK_DIR/openbox.log" 2>&1 &
    wm_pid=$!
    # A window mapped before the window manager runs is taken over without being activated.
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o "window id"; }
    wait_seconds=$WAIT_SECONDS
    wait_for wm_running >/dev/null || { echo "FAIL: openbox did not start"; cat "$WORK_DIR/openbox.log"; exit 1; }
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$ORVO" >"$WORK_DIR/orvo.log" 2>&1 &
    orvo_pid=$!
    /usr/bin/python3 "'"$here"'/screen_reader.py" "$orvo_pid"
    status=$?
    stop_pid "$orvo_pid"; stop_pid "$wm_pid"; stop_pid "$bus_pid"
    if [ $status -ne 0 ] && [ $status -ne 77 ]; then
        echo "--- program output:"; cat "$WORK_DIR/orvo.log"
    fi
    exit $status' 2>&1 | grep -v "Failed to set fd limit"
exit "${PIPESTATUS[0]}"
