#!/usr/bin/env bash
# Installs what the build and the tests need, builds a debug build in build-debug/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build-debug -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-debug
cd build-debug
ctest --output-on-failure -j2 --timeout 300
