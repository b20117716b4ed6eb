#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the
# Release tests, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzzers for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

echo "== Release build and tests"
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGREETCARD_SANITIZE=ON \
  -DGREETCARD_BENCH=OFF >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e

if [[ -f fuzz/run.sh ]]; then
  echo "== Fuzzers"
  fuzz/run.sh
fi
