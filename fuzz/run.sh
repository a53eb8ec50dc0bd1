#!/usr/bin/env bash
# Replays the committed corpus through every fuzz target, then fuzzes each for a bounded time.
# Usage: fuzz/run.sh <fuzz build directory> [seconds per target, default 20]
# A crash, a hang (over 10 s on one input) or memory over 2 GiB (512 MiB in one allocation) fails the run; the input that did
# it is kept in <build>/fuzz-artifacts/ (make it a regular test in tests/core/).
set -euo pipefail

build=$1
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

limits=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512)

for target in decode_line saved_reading rtf_escape; do
    binary=$build/fuzz/fuzz_$target
    corpus=$here/corpus/$target
    max_len=1024
    [ "$target" = saved_reading ] && max_len=9000   # beyond the 4096-byte line limit
    echo "== $target: replaying $(find "$corpus" -type f | wc -l) corpus inputs"
    "$binary" "${limits[@]}" -artifact_prefix="$artifacts/$target-" "$corpus"/* >"$scratch/$target-replay.log" 2>&1 \
        || { tail -n 40 "$scratch/$target-replay.log"; exit 1; }
    echo "== $target: fuzzing for ${seconds}s"
    # New inputs go to a scratch copy: the committed corpus stays small and reviewed.
    mkdir -p "$scratch/$target"
    cp "$corpus"/* "$scratch/$target/"
    "$binary" "${limits[@]}" -max_len=$max_len -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$scratch/$target" >"$scratch/$target.log" 2>&1 \
        || { tail -n 60 "$scratch/$target.log"; exit 1; }
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$scratch/$target.log" | tr '\n' ' '
    echo
done
