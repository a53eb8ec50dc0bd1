#!/usr/bin/env bash
# Installs what the program needs (no test tools), builds a release build in build-release/ and
# starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVO_BUILD_TESTS=OFF >/dev/null
cmake --build build-release
exec ./build-release/orvo "$@"
