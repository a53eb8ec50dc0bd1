#!/usr/bin/env bash
# Start-up time (exec until the frame is drawn) and peak memory of orvo, next to a minimal Qt
# Widgets program (main window, menu bar, child-window area) measured the same way in the same
# run: runs alternate between the two, on a virtual X display of their own, and the medians are
# compared. Our goal: orvo at most 1.3 times the minimal program in both.
#
# Usage: tools/measure-startup.sh [build directory] [runs per program, default 9]
# The build directory needs -DORVO_BUILD_BENCH=ON (a release build gives the figures that count):
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVO_BUILD_BENCH=ON
#   cmake --build build-release
# ORVO_TEST_DISPLAY: the first X display number to try (default 104).
set -euo pipefail

build=${1:-build-release}
runs=${2:-9}
[ "$runs" -ge 5 ] || { echo "at least 5 runs each"; exit 2; }
probe=$build/bench/startup_probe
orvo=$build/orvo
minimal=$build/bench/minimal_frame
for binary in "$probe" "$orvo" "$minimal"; do
    [ -x "$binary" ] || { echo "missing $binary: build with -DORVO_BUILD_BENCH=ON"; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

display=${ORVO_TEST_DISPLAY:-104}
while :; do
    if [ ! -e "/tmp/.X$display-lock" ]; then
        # -noreset: the server must not reset each time a measured program, its last client, ends.
        Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
        xvfb_pid=$!
        for _ in $(seq 100); do
            [ -s "$work/display" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        [ -s "$work/display" ] && break
        xvfb_pid=
    fi
    display=$((display + 1))
    [ "$display" -lt 200 ] || { echo "no free X display"; exit 1; }
done
export DISPLAY=":$display"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Settings of its own: the user's are neither read nor written, and every run starts alike.
export XDG_CONFIG_HOME=$work/config
unset QT_QPA_PLATFORM

measure() {   # <name> <title> <program>: appends "ms KiB" to $work/<name>
    local result ms kib status
    result=$("$probe" "$2" "$3") || { echo "$1: the probe failed"; exit 1; }
    read -r ms kib status <<<"$result"
    [ "$status" = 0 ] || { echo "$1 ended with status $status"; exit 1; }
    echo "$ms $kib" >>"$work/$1"
}

median() {   # <file> <column>
    sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unmeasured run each first: the disk cache and the font cache are warm for both.
"$probe" "Minimal Frame" "$minimal" >/dev/null
"$probe" "Orvo Animal Signs Astrology v1.20" "$orvo" >/dev/null
for run in $(seq "$runs"); do
    if [ $((run % 2)) = 1 ]; then
        measure minimal "Minimal Frame" "$minimal"
        measure orvo "Orvo Animal Signs Astrology v1.20" "$orvo"
    else
        measure orvo "Orvo Animal Signs Astrology v1.20" "$orvo"
        measure minimal "Minimal Frame" "$minimal"
    fi
done

minimal_ms=$(median "$work/minimal" 1)
orvo_ms=$(median "$work/orvo" 1)
minimal_kib=$(median "$work/minimal" 2)
orvo_kib=$(median "$work/orvo" 2)
echo "runs each: $runs (alternating), display $DISPLAY"
printf '%-16s %14s %16s\n' "" "shown after" "peak memory"
printf '%-16s %11.1f ms %12.1f MiB\n' "minimal frame" "$minimal_ms" "$(awk -v k="$minimal_kib" 'BEGIN { print k / 1024 }')"
printf '%-16s %11.1f ms %12.1f MiB\n' "orvo" "$orvo_ms" "$(awk -v k="$orvo_kib" 'BEGIN { print k / 1024 }')"
printf '%-16s %13.2fx %15.2fx\n' "ratio" "$(awk -v a="$orvo_ms" -v b="$minimal_ms" 'BEGIN { print a / b }')" \
    "$(awk -v a="$orvo_kib" -v b="$minimal_kib" 'BEGIN { print a / b }')"
echo "all runs (ms KiB):"
echo "  minimal: $(tr '\n' ',' <"$work/minimal")"
echo "  orvo:    $(tr '\n' ',' <"$work/orvo")"
