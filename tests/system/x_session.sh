# Helpers for the tests that start the real program on a virtual X display of their own.
# Sourced; the sourcing script sets work_dir (a private scratch folder) and wait_seconds, and
# ends every process it started by its id (stop_pid).

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
    wait "$pid" 2>/dev/null
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
