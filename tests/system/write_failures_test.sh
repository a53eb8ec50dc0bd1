#!/usr/bin/env bash
# The real program where its output cannot be written: it ends with status 1 and says so on
# stderr, instead of being ended by a signal (SIGXFSZ 153, SIGPIPE 141):
#   1. output past a file size limit (`ulimit -f`);
#   2. output into a pipe whose reader has gone.
# No display is needed: both go through the terminal answers, before any window.
#
# Usage: write_failures_test.sh <orvo binary>
set -uo pipefail

orvo=$(realpath "$1")
work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT

fail() {
    echo "FAIL: $*"
    [ -s "$work_dir/err" ] && { echo "--- stderr:"; cat "$work_dir/err"; }
    exit 1
}

# Prints how a command line ended: "status N" or the signal that ended it.
ended() {
    local status=$1
    if [ "$status" -gt 128 ]; then
        echo "signal $((status - 128)) ($(kill -l $((status - 128)) 2>/dev/null))"
    else
        echo "status $status"
    fi
}

# 1. A file already at the limit of 4 KiB, written at its end.
head -c 4096 /dev/zero >"$work_dir/full"
(ulimit -f 4 && exec "$orvo" --version >>"$work_dir/full" 2>"$work_dir/err")
how=$(ended $?)
[ "$how" = "status 1" ] || fail "output past a file size limit: $how, not status 1"
[ "$(stat -c %s "$work_dir/full")" = 4096 ] || fail "the file grew past its limit"
echo "output past a file size limit: status 1"

# 2. A pipe without a reader: opened for reading and writing, then the reading end closed.
mkfifo "$work_dir/pipe"
exec 3<>"$work_dir/pipe" 4>"$work_dir/pipe"
exec 3<&-
"$orvo" --version >&4 2>"$work_dir/err"
how=$(ended $?)
exec 4>&-
[ "$how" = "status 1" ] || fail "output into a pipe without a reader: $how, not status 1"
echo "output into a pipe without a reader: status 1"
echo "PASS"
