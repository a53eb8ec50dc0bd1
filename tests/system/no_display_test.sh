#!/usr/bin/env bash
# With no display named, `orvo FILE` and `orvo` end with status 1 and one line on stderr (not Qt's
# abort), nothing on stdout and no lock or socket left; --signs and --version still answer.
# Usage: no_display_test.sh <orvo binary>
set -uo pipefail

orvo=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/runtime" "$work/config" && chmod 700 "$work/runtime"
fail() { echo "FAIL: $*"; tail -n +1 "$work/out" "$work/err"; exit 1; }
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CONFIG_HOME="$work/config" "$orvo" "$@" >"$work/out" 2>"$work/err"
}

printf 'Ann\n' >"$work/reading.zod"
for args in "$work/reading.zod" ""; do
    # shellcheck disable=SC2086  # no argument at all for the plain start
    run $args
    status=$?
    what="orvo${args:+ FILE}"
    [ "$status" = 1 ] || fail "$what: status $status, not 1"
    [ -s "$work/out" ] && fail "$what wrote to stdout"
    { [ "$(wc -l <"$work/err")" = 1 ] && grep -q display "$work/err"; } || fail "$what: not one line naming the display"
    [ -z "$(ls -A "$work/runtime")" ] || fail "$what left $(ls -A "$work/runtime")"
done

{ run --signs 2000-01-01 --json && grep -q '"chinese"' "$work/out"; } || fail "--signs without a display"
{ run --version && [ -s "$work/out" ]; } || fail "--version without a display"
echo "no display: status 1 with one line; the terminal answers work"
