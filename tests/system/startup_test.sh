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

# True while process $1 runs; an ended child waiting to be collected (a zombie) does not run.
alive() {
    local state
    state=$(sed -n 's/^[0-9]* (.*) \(.\) .*/\1/p' "/proc/$1/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ]
}

stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    alive "$pid" || return 0
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do
        alive "$pid" || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

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

# Polls a command until it succeeds or the time runs out; prints what the command printed.
wait_for() {
    local deadline=$((SECONDS + wait_seconds)) output
    while [ $SECONDS -lt $deadline ]; do
        if output=$("$@" 2>/dev/null) && [ -n "$output" ]; then
            printf '%s\n' "$output"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# The visible window titled exactly $1 that belongs to process $2.
window_of() {
    local title=$1 pid=$2 window
    for window in $(xdotool search --onlyvisible --name "^${title//./\\.}\$" 2>/dev/null); do
        if [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$pid" ]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# Waits until process $1 has ended and sets exit_status; fails when it does not end. Not to be
# run in a subshell: only this shell can collect its children's exit status.
exit_status=
await_exit() {
    local pid=$1 deadline=$((SECONDS + wait_seconds))
    while alive "$pid" && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
    alive "$pid" && return 1
    wait "$pid"
    exit_status=$?
}

start_display() {
    local display=${ORVO_TEST_DISPLAY:-104} last
    last=$((display + 40))
    while [ "$display" -le "$last" ]; do
        if [ ! -e "/tmp/.X$display-lock" ]; then
            # Xvfb writes the display number to fd 3 once it accepts clients. -noreset: without it
            # the server resets whenever its last client leaves, so the probe below disconnecting
            # races the program's first connection.
            Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
                3>"$work_dir/display" >"$work_dir/xvfb.log" 2>&1 &
            xvfb_pid=$!
            for _ in $(seq 100); do
                [ -s "$work_dir/display" ] && break
                alive "$xvfb_pid" || break
                sleep 0.1
            done
            # Ready by its own word, and answering a client: only then is the display ours. A
            # display that does not answer (a server of someone else's left without its lock
            # file, say) is given up for the next number.
            if [ -s "$work_dir/display" ]; then
                export DISPLAY=":$display"
                for _ in $(seq 50); do
                    alive "$xvfb_pid" || break
                    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
                    sleep 0.2
                done
            fi
            stop_pid "$xvfb_pid"
            xvfb_pid=
        fi
        display=$((display + 1))
    done
    return 1
}

start_display || fail "no X display could be started"
echo "display $DISPLAY"

# A runtime directory of its own: the single-instance lock lives there, so a copy of the program
# running elsewhere on this machine does not count.
export XDG_RUNTIME_DIR=$work_dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
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
