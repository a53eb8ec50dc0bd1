#!/usr/bin/env bash
# Regenerates chinese/chinese_years.inc from the lunar-calendar library pinned in package.json.
# The library is installed into a temporary folder outside the source tree; nothing is fetched
# when the program is built or run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here/package.json" "$here/package-lock.json" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
node "$here/generate.js" "$work/node_modules/lunar-javascript" "$root/chinese/chinese_years.inc"
echo "wrote $root/chinese/chinese_years.inc"
