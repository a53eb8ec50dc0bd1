#!/usr/bin/env bash
# Starts the real program on a virtual X display of its own, the way a user does:
#   1. the frame "Orvo Animal Signs Astrology v1.20" appears;
#   2. a second copy shows "Application is already running" (a message box titled
#      "Orvo Animal Signs Astrology"), is dismissed with Enter and ends with status 0,
#      while the first copy keeps running;
#   3. the first copy, asked to close as a window manager's close button does, ends with status 0.
# Everything started here is ended here, by process id.
#
# Usage: startup_test.sh <orvo binary> <send_close_request binary>
# ORVO_TEST_DISPLAY: the first X display number to try (default 104; the next free one is used).
set -uo pipefail

orvo=$1
send_close_request=$2
frame_title='Orvo Animal Signs Astrology v1.20'
box_title='Orvo Animal Signs Astrology'
# Generous: a sanitizer build starts several times slower.
wait_seconds=${ORVO_TEST_WAIT_SECONDS:-60}

xvfb_pid=
first_pid=
second_pid=
work_dir=$(mktemp -d)
chmod 700 "$work_dir"

cleanup() {
    stop_pid "$second_pid"
    stop_pid "$first_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$work_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -n "$xvfb_pid" ] && { alive "$xvfb_pid" && echo "(Xvfb $DISPLAY still runs)" || echo "(Xvfb $DISPLAY has ended)"; }
    for log in first second xvfb; do
        if [ -s "$work_dir/$log.log" ]; then
            echo "--- $log output:"
            tail -n 40 "$work_dir/$log.log"
        fi
    done
    exit 1
}

source "$(dirname "$0")/x_session.sh"

start_display || fail "no X display could be started"
echo "display $DISPLAY"

# A runtime directory of its own: the single-instance lock lives there, so a copy of the program
# running elsewhere on this machine does not count.
export XDG_RUNTIME_DIR=$work_dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Settings of its own too: the program starts as on a first run and leaves the user's alone.
export XDG_CONFIG_HOME=$work_dir/config
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$orvo" >"$work_dir/first.log" 2>&1 &
first_pid=$!
frame=$(wait_for window_of "$frame_title" "$first_pid") || fail "the frame \"$frame_title\" did not appear"
echo "frame window $frame of process $first_pid"

"$orvo" >"$work_dir/second.log" 2>&1 &
second_pid=$!
box=$(wait_for window_of "$box_title" "$second_pid") \
    || fail "the second copy showed no message box \"$box_title\""
echo "message box $box of process $second_pid"
alive "$first_pid" || fail "the first copy ended when the second started"
window_of "$frame_title" "$second_pid" >/dev/null && fail "the second copy opened a frame of its own"

xdotool windowfocus --sync "$box" && xdotool key --clearmodifiers Return
await_exit "$second_pid" || fail "the second copy did not end after its message was dismissed"
second_pid=
[ "$exit_status" = 0 ] || fail "the second copy ended with status $exit_status"
echo "second copy ended with status 0"

alive "$first_pid" || fail "the first copy did not survive the second"
"$send_close_request" "$frame" || fail "could not ask the frame to close"
await_exit "$first_pid" || fail "the first copy did not end when asked to close"
first_pid=
[ "$exit_status" = 0 ] || fail "the first copy ended with status $exit_status"
echo "first copy closed with status 0"
echo "PASS"
