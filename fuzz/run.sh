#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for its budget.
# Exits non-zero if any fuzzer finds a crash; the input that caused it is
# left in build-fuzz/artifacts/.
#
#   fuzz/run.sh                 every target for its budget below
#   fuzz/run.sh canvas 3600     one target for as many seconds as given
set -euo pipefail
cd "$(dirname "$0")/.."

# name seconds
budgets="
canvas 60
names 30
"

only=${1:-}
seconds_override=${2:-}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGREETCARD_FUZZ=ON -DGREETCARD_GUI=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p build-fuzz/artifacts
failed=()
while read -r name seconds; do
  [[ -z "$name" ]] && continue
  [[ -n "$only" && "$name" != "$only" ]] && continue
  [[ -n "$seconds_override" ]] && seconds=$seconds_override
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  echo "== fuzz_$name for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" "$corpus" \
      > "build-fuzz/fuzz_$name.log" 2>&1; then
    tail -n 40 "build-fuzz/fuzz_$name.log"
    failed+=("$name")
  else
    grep -E "stat::number_of_executed_units|Done" "build-fuzz/fuzz_$name.log" | tail -n 2 || true
  fi
done <<< "$budgets"

if ((${#failed[@]})); then
  echo "Fuzzers that crashed: ${failed[*]} (inputs in build-fuzz/artifacts/)"
  exit 1
fi
