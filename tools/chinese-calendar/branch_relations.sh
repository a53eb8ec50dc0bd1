#!/usr/bin/env bash
# Regenerates tests/core/data/branch_relations.txt from the lunar-calendar library pinned in
# package.json, installed into a temporary folder outside the source tree.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here/package.json" "$here/package-lock.json" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
node "$here/branch_relations.js" "$work/node_modules/lunar-javascript" "$root/tests/core/data/branch_relations.txt"
echo "wrote $root/tests/core/data/branch_relations.txt"
