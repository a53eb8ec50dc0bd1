#!/usr/bin/env bash
# The real program started where no display is named (no DISPLAY, WAYLAND_DISPLAY or
# QT_QPA_PLATFORM), as from a text console or a service:
#   1. `orvo FILE` and a plain `orvo` end with status 1 and one line on stderr that says why,
#      instead of Qt's abort (status 134) and its page about platform plugins; nothing is
#      written to stdout and no lock or socket is left behind;
#   2. the answers on the terminal (--signs, --version) work as before.
#
# Usage: no_display_test.sh <orvo binary>
set -uo pipefail

orvo=$(realpath "$1")
work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT
mkdir -p "$work_dir/runtime" "$work_dir/config"
chmod 700 "$work_dir/runtime"

fail() {
    echo "FAIL: $*"
    for f in out err; do
        [ -s "$work_dir/$f" ] && { echo "--- $f:"; cat "$work_dir/$f"; }
    done
    exit 1
}

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work_dir/runtime" \
        XDG_CONFIG_HOME="$work_dir/config" "$orvo" "$@" >"$work_dir/out" 2>"$work_dir/err"
}

printf 'Ann\n' >"$work_dir/reading.zod"
for args in "$work_dir/reading.zod" ""; do
    # shellcheck disable=SC2086  # no argument at all for the plain start
    run $args
    status=$?
    what="orvo${args:+ FILE}"
    [ "$status" = 1 ] || fail "$what without a display: status $status, not 1"
    [ -s "$work_dir/out" ] && fail "$what without a display wrote to stdout"
    [ "$(wc -l <"$work_dir/err")" = 1 ] || fail "$what without a display: not one line on stderr"
    grep -q "display" "$work_dir/err" || fail "$what without a display: stderr does not name the display"
    [ -z "$(ls -A "$work_dir/runtime")" ] || fail "$what without a display left $(ls -A "$work_dir/runtime")"
    echo "$what without a display: status 1, $(cat "$work_dir/err")"
done

run --signs 2000-01-01 --json
status=$?
[ "$status" = 0 ] || fail "--signs without a display: status $status"
grep -q '"chinese"' "$work_dir/out" || fail "--signs without a display gave no answer"
run --version
[ $? = 0 ] && [ -s "$work_dir/out" ] || fail "--version without a display"
echo "the terminal answers work without a display"
