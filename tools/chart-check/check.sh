#!/usr/bin/env bash
# Compares the Four Pillars chart and the luck pillars of `orvo --signs` with lunar-javascript
# and tyme4ts, pinned in package.json and installed into a temporary folder outside the source
# tree. Usage: tools/chart-check/check.sh ORVO [BIRTHS] [SEED]   (defaults: 2000 births, seed 37)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
orvo="$(realpath "${1:?usage: check.sh ORVO [BIRTHS] [SEED]}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here/package.json" "$here/package-lock.json" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
node "$here/check.js" "$work/node_modules" "$orvo" "${2:-2000}" "${3:-37}"
