#!/usr/bin/env bash
# Installs what the build and the tests need, then:
#   1. builds a debug build in build-debug/ and runs every test;
#   2. builds the fuzz targets with clang in build-fuzz/, replays the committed corpus and fuzzes
#      each target for a bounded time (ORVO_FUZZ_SECONDS each, default 20);
#   3. builds everything again with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/
#      and runs every test there; any sanitizer report fails the run.
# ORVO_BUILD_ROOT puts the three build directories somewhere else than here. With CI=true a
# compiler warning fails the build, and so does a test tool that is missing (which otherwise
# leaves its test out, as CMake's output says).
set -euo pipefail
cd "$(dirname "$0")"
root=${ORVO_BUILD_ROOT:-.}
started=$SECONDS
step() { echo "== $1 (at $((SECONDS - started)) s)"; }

step "Debian packages"
./tools/install-deps.sh --tests

step "debug build and tests"
# The benchmarks are built (not run) so that they keep up with the code.
cmake -S . -B "$root/build-debug" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVO_BUILD_BENCH=ON
cmake --build "$root/build-debug"
ctest --test-dir "$root/build-debug" --output-on-failure -j2 --timeout 300

# Any report ends the program with an error; leaks are checked at exit. The suppressions cover
# only memory that system libraries keep for the life of the process. The leak check does not
# follow __tls_get_addr: a library with thread-local storage that was loaded and unloaded again
# leaves a stale range in its record, and reading that crashed the check itself ("Tracer caught
# signal 11") at the end of the All Four Signs widget test.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$PWD/tools/sanitizer-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

step "fuzz targets"
cmake -S . -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DORVO_BUILD_FUZZ=ON -DORVO_SANITIZE=ON -DORVO_BUILD_TESTS=OFF
cmake --build "$root/build-fuzz" --target fuzz
fuzz/run.sh "$root/build-fuzz" "${ORVO_FUZZ_SECONDS:-20}"

step "sanitizer build and tests"
cmake -S . -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVO_SANITIZE=ON
cmake --build "$root/build-asan"
ctest --test-dir "$root/build-asan" --output-on-failure -j2 --timeout 600
