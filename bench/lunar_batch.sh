#!/usr/bin/env bash
# Times `orvo --signs - --json` on every day from 1900-01-01 to 2100-12-31 (73,414 lines: the four
# signs, the Chinese date and the day, month and year pillars of each) against lunar-javascript on
# node computing only the Chinese year and date of the same days, side by side: the two run in
# turn, RUNS times each, and the medians of wall-clock and CPU time (user + system) are printed.
#   bench/lunar_batch.sh [ORVO] [RUNS]      default: build-release/orvo, 5
# The library is the one pinned in tools/chinese-calendar (installed there with npm ci if missing).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
orvo="${1:-$root/build-release/orvo}"
runs="${2:-5}"
library="$root/tools/chinese-calendar/node_modules/lunar-javascript"
[ -x "$orvo" ] || { echo "no program at $orvo (build it first)" >&2; exit 1; }
[ -d "$library" ] || (cd "$root/tools/chinese-calendar" && npm ci --no-audit --no-fund --silent)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
node "$here/lunar_batch_peer.js" --dates > "$work/days.txt"
lines=$(wc -l < "$work/days.txt")

# Appends "real cpu" of one run of the command to the file named first.
measure() {
    local times="$1"; shift
    local TIMEFORMAT='%R %U %S'
    { time "$@" < "$work/days.txt" > "$work/out" 2> "$work/err"; } 2> "$work/time"
    [ "$(wc -l < "$work/out")" -eq "$lines" ] || { echo "$1 answered $(wc -l < "$work/out") of $lines lines" >&2; exit 1; }
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$work/time" >> "$times"
}

median() {   # column of a file
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for ((i = 0; i < runs; ++i)); do
    measure "$work/orvo.times" "$orvo" --signs - --json
    measure "$work/node.times" node "$here/lunar_batch_peer.js" "$library"
done

orvoReal=$(median "$work/orvo.times" 1); orvoCpu=$(median "$work/orvo.times" 2)
nodeReal=$(median "$work/node.times" 1); nodeCpu=$(median "$work/node.times" 2)
echo "$lines dates, median of $runs runs each        wall s   cpu s"
printf 'orvo --signs - --json                      %7.3f %7.3f\n' "$orvoReal" "$orvoCpu"
printf 'lunar-javascript %-10s (year, date)  %7.3f %7.3f\n' "$(node -p "require('$library/package.json').version")" "$nodeReal" "$nodeCpu"
awk -v a="$orvoReal" -v b="$nodeReal" -v c="$orvoCpu" -v d="$nodeCpu" \
    'BEGIN { printf "orvo / node                                %6.1f%% %6.1f%%\n", 100 * a / b, 100 * c / d }'
