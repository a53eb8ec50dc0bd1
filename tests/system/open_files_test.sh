#!/usr/bin/env bash
# Starts the real program with a saved reading, the way a file manager does (`orvo FILE`), on a
# virtual X display of its own:
#   1. a Chinese (.str), a Mayan and an Australian (.zod) reading open on their system's result
#      form; a wrong and an upper-case extension give the message box "Please Check The File.", a
#      missing file one saying it does not exist, a FIFO one saying it is no saved reading file,
#      and leave the frame with its start panel;
#   2. with a copy running, `orvo FILE` hands the reading over and ends with status 0, and the
#      running copy opens it; a bad file or the null device handed over leaves the open reading
#      as it was;
#   3. the hand-over socket admits only its own user, and one left behind by a copy that was
#      killed does not stop the next copy from taking readings;
#   4. a second start while the first copy is stopped says so, and the first copy opens the
#      reading once it runs again.
# A file name that is not UTF-8 (Latin-1 bytes) opens both ways.
# The result forms are told apart by their background colours on the screen, the start panel by
# its cyan captions; the message's text is read from the X selection after selecting it.
# Everything started here is ended here, by process id.
#
# Usage: open_files_test.sh <orvo binary> <send_close_request binary> <connect_probe binary>
# ORVO_TEST_DISPLAY: the first X display number to try (default 144; the next free one is used).
set -uo pipefail

orvo=$(realpath "$1")
send_close_request=$(realpath "$2")
connect_probe=$(realpath "$3")
frame_title='Orvo Animal Signs Astrology v1.20'
box_title='Orvo Animal Signs Astrology'
check_the_file='Please Check The File.'
does_not_exist='This file does not exist:'   # the first line; the file's name follows
not_a_reading='This is not a saved reading file:'   # the same
wait_seconds=${ORVO_TEST_WAIT_SECONDS:-60}
export ORVO_TEST_DISPLAY=${ORVO_TEST_DISPLAY:-144}

# Colours only one window shows in quantity: the Mayan and the Australian result forms'
# backgrounds, the Chinese result form's text boxes, the start panel's captions.
mayan_colour=0,128,0
australian_colour=0,64,0
chinese_colour=255,255,255
start_panel_colour=0,255,255

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
    import -window root "$work_dir/failure.png" 2>/dev/null \
        && cp "$work_dir/failure.png" "${TMPDIR:-/tmp}/open_files_test-failure.png" \
        && echo "(screen saved as ${TMPDIR:-/tmp}/open_files_test-failure.png)"
    for log in first second xvfb; do
        if [ -s "$work_dir/$log.log" ]; then
            echo "--- $log output:"
            tail -n 40 "$work_dir/$log.log"
        fi
    done
    exit 1
}

source "$(dirname "$0")/x_session.sh"

for tool in import convert xclip; do
    command -v "$tool" >/dev/null && continue
    # Where every test must run, a missing tool is a failure.
    [ "${CI:-}" = true ] && fail "$tool is not installed (tools/install-deps.sh --tests)"
    echo "SKIP: $tool is not installed"
    exit 77
done

# A saved reading as the program writes it: each field's characters 85 codes up, CR LF after each.
write_reading() {
    local file=$1 field i code bytes
    shift
    : >"$file"
    for field in "$@"; do
        bytes=
        for ((i = 0; i < ${#field}; i++)); do
            LC_ALL=C printf -v code '%d' "'${field:i:1}"
            bytes+=$(printf '\\%03o' $((code + 85)))
        done
        printf "$bytes\r\n" >>"$file"
    done
}

# How many pixels of window $1 have exactly the colour $2 ("r,g,b").
pixels_of() {
    import -window "$1" png:- 2>/dev/null | convert png:- -format %c histogram:info:- 2>/dev/null \
        | awk -v colour="($2)" '$2 == colour { sub(":", "", $1); count += $1 } END { print count + 0 }'
}

# Prints "shown" once window $1 shows colour $2 in quantity and the start panel is hidden.
shows_result() {
    [ "$(pixels_of "$1" "$2")" -gt 10000 ] && [ "$(pixels_of "$1" "$start_panel_colour")" -lt 100 ] && echo shown
}

# Prints "start panel" while window $1 shows the start panel and no result form.
shows_start_panel() {
    local colour
    [ "$(pixels_of "$1" "$start_panel_colour")" -gt 1000 ] || return 1
    for colour in "$mayan_colour" "$australian_colour" "$chinese_colour"; do
        [ "$(pixels_of "$1" "$colour")" -lt 1000 ] || return 1
    done
    echo "start panel"
}

# Prints the text of message box $1 when it is $2: a triple click selects the whole text, which
# the X primary selection then holds.
message_is() {
    local X Y WIDTH HEIGHT SCREEN WINDOW text
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH * 6 / 10)) $((Y + 16)) click --repeat 3 --delay 40 1
    text=$(xclip -o -selection primary 2>/dev/null)
    [ "$text" = "$2" ] && printf '%s\n' "$text"
}

# Waits for process $1's frame and sets frame.
frame=
await_frame() {
    frame=$(wait_for window_of "$frame_title" "$1") || fail "the frame of process $1 did not appear"
}

# Asks the first copy's frame to close and waits until it has ended with status 0.
close_first() {
    "$send_close_request" "$frame" || fail "could not ask the frame to close"
    await_exit "$first_pid" || fail "the program did not end when asked to close"
    first_pid=
    [ "$exit_status" = 0 ] || fail "the program ended with status $exit_status"
}

# The message box "Please Check The File." of process $1 is shown, is dismissed, and the process
# still runs.
expect_check_the_file() {
    local pid=$1 what=$2 expected=${3:-$check_the_file} box
    box=$(wait_for window_of "$box_title" "$pid") || fail "$what: no message box \"$box_title\""
    wait_for message_is "$box" "$expected" >/dev/null \
        || fail "$what: the message box does not say \"$expected\""
    xdotool windowfocus --sync "$box" && xdotool key --clearmodifiers Return
    local deadline=$((SECONDS + wait_seconds))
    while window_of "$box_title" "$pid" >/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
    window_of "$box_title" "$pid" >/dev/null && fail "$what: the message box did not close"
    alive "$pid" || fail "$what: the program ended after the message"
}

start_display || fail "no X display could be started"
echo "display $DISPLAY"
export XDG_RUNTIME_DIR=$work_dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Settings of its own too: the program starts as on a first run and leaves the user's alone.
export XDG_CONFIG_HOME=$work_dir/config
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
socket=$XDG_RUNTIME_DIR/orvo-animal-signs.socket

readings=$work_dir/readings
mkdir "$readings"
write_reading "$readings/chinese.str" "Ann Lee" Female 12 May 1990
write_reading "$readings/mayan.zod" "Maya Test" March 15 1985
write_reading "$readings/australian.zod" "Oz Test" July
cp "$readings/australian.zod" "$readings/upper-case.ZOD"
cp "$readings/australian.zod" "$readings/wrong-extension.txt"
mkfifo "$readings/fifo.str"
latin1_name=$(printf 'caf\351 mayan.zod')
cp "$readings/mayan.zod" "$readings/$latin1_name"

# 1. The program started on a reading (relative names, as a terminal gives them).
cd "$readings" || fail "no folder for the readings"
for case in "chinese.str|$chinese_colour" "mayan.zod|$mayan_colour" "australian.zod|$australian_colour" \
    "$latin1_name|$mayan_colour"; do
    IFS='|' read -r file colour <<<"$case"
    "$orvo" "$file" >"$work_dir/first.log" 2>&1 &
    first_pid=$!
    await_frame "$first_pid"
    wait_for shows_result "$frame" "$colour" >/dev/null || fail "orvo $file did not show its result form"
    echo "orvo $file: result form shown"
    close_first
done
for file in missing.zod fifo.str upper-case.ZOD wrong-extension.txt; do
    "$orvo" "$file" >"$work_dir/first.log" 2>&1 &
    first_pid=$!
    await_frame "$first_pid"
    expected=$check_the_file
    [ "$file" = missing.zod ] && expected=$does_not_exist
    [ "$file" = fifo.str ] && expected=$not_a_reading
    expect_check_the_file "$first_pid" "orvo $file" "$expected"
    wait_for shows_start_panel "$frame" >/dev/null || fail "orvo $file: the frame does not show its start panel"
    echo "orvo $file: \"$expected\", the frame stays"
    close_first
done

# 2. Hand-over to the running copy.
"$orvo" >"$work_dir/first.log" 2>&1 &
first_pid=$!
await_frame "$first_pid"
for case in "mayan.zod|$mayan_colour" "$readings/chinese.str|$chinese_colour" "$latin1_name|$mayan_colour" \
    "australian.zod|$australian_colour"; do
    IFS='|' read -r file colour <<<"$case"
    "$orvo" "$file" >"$work_dir/second.log" 2>&1 &
    second_pid=$!
    await_exit "$second_pid" || fail "the second start with $file did not end"
    second_pid=
    [ "$exit_status" = 0 ] || fail "the second start with $file ended with status $exit_status"
    wait_for shows_result "$frame" "$colour" >/dev/null || fail "the running copy did not open $file"
    echo "orvo $file handed over: opened by the running copy"
done
"$orvo" wrong-extension.txt >"$work_dir/second.log" 2>&1 &
second_pid=$!
await_exit "$second_pid" || fail "the second start with a wrong extension did not end"
second_pid=
[ "$exit_status" = 0 ] || fail "the second start with a wrong extension ended with status $exit_status"
expect_check_the_file "$first_pid" "a wrong extension handed over"
wait_for shows_result "$frame" "$australian_colour" >/dev/null \
    || fail "a wrong extension handed over closed the open reading"
echo "a wrong extension handed over: \"$check_the_file\", the open reading stays"
"$orvo" /dev/null >"$work_dir/second.log" 2>&1 &
second_pid=$!
await_exit "$second_pid" || fail "the second start with /dev/null did not end"
second_pid=
[ "$exit_status" = 0 ] || fail "the second start with /dev/null ended with status $exit_status"
expect_check_the_file "$first_pid" "/dev/null handed over" "$not_a_reading"
wait_for shows_result "$frame" "$australian_colour" >/dev/null || fail "/dev/null handed over closed the open reading"
echo "/dev/null handed over: \"$not_a_reading\", the open reading stays"

# 3. Only the user's own clients reach the socket.
[ -S "$socket" ] || fail "no socket $socket"
mode=$(stat -c %a "$socket")
(( (8#$mode & 8#077) == 0 )) || fail "the socket $socket has mode $mode: other users may connect"
echo "socket mode $mode"
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    # The folder opened for passing through, so that only the socket's own mode stands in the way.
    chmod 711 "$XDG_RUNTIME_DIR"
    "$connect_probe" "$socket" >/dev/null || fail "the socket takes no connection of its own user"
    setpriv --reuid=65534 --regid=65534 --clear-groups "$connect_probe" "$socket"
    probe_status=$?
    chmod 700 "$XDG_RUNTIME_DIR"
    [ "$probe_status" = 3 ] || fail "a client of user 65534 was not refused (status $probe_status)"
    echo "a client of another user is refused"
else
    echo "not root or no setpriv: another user's client not tried"
fi

# A copy killed outright leaves its socket behind; the next copy still takes readings.
kill -9 "$first_pid"
await_exit "$first_pid"
first_pid=
[ -S "$socket" ] || fail "the killed copy left no socket to try the next start with"
"$orvo" >"$work_dir/first.log" 2>&1 &
first_pid=$!
await_frame "$first_pid"
"$orvo" mayan.zod >"$work_dir/second.log" 2>&1 &
second_pid=$!
await_exit "$second_pid" || fail "the second start after a killed copy did not end"
second_pid=
[ "$exit_status" = 0 ] || fail "the second start after a killed copy ended with status $exit_status"
wait_for shows_result "$frame" "$mayan_colour" >/dev/null || fail "the copy after a killed one did not take the reading"
echo "a socket left by a killed copy does not block the next"

# 4. The first copy stopped: the second start waits for its answer in vain and says so; the
# reading has reached the first copy, which opens it once it runs again.
kill -STOP "$first_pid"
"$orvo" chinese.str >"$work_dir/second.log" 2>&1 &
second_pid=$!
box=$(wait_for window_of "$box_title" "$second_pid") || { kill -CONT "$first_pid"; fail "the second start showed no message"; }
stopped_message='Application is already running, but it has not answered for 10 seconds (it may be stopped or busy). It will open this reading when it runs again:'
wait_for message_is "$box" "$stopped_message" >/dev/null \
    || { kill -CONT "$first_pid"; fail "the second start does not say that the first copy has not answered"; }
xdotool windowfocus --sync "$box" && xdotool key --clearmodifiers Return
await_exit "$second_pid" || fail "the second start did not end after its message"
second_pid=
[ "$exit_status" = 0 ] || fail "the second start ended with status $exit_status"
kill -CONT "$first_pid"
wait_for shows_result "$frame" "$chinese_colour" >/dev/null || fail "the first copy did not open the reading once it ran again"
echo "a stopped first copy: the second start says so, the reading opens once it runs again"
close_first
echo "PASS"
