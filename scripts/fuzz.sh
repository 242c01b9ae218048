#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: fuzz.sh [BUILD_DIR [SECONDS [TARGET...]]]
#   BUILD_DIR  build folder (default build/fuzz)
#   SECONDS    run time per target (default 20)
#   TARGET     loader, engine, document (default all three)
# Each target starts from its committed seeds (fuzz/corpus/TARGET), first
# replays them, then fuzzes into a working corpus in BUILD_DIR/corpus/TARGET
# that later runs continue from. A crash, sanitizer report or failed check
# stops the run with the input saved under BUILD_DIR/findings/TARGET/ and a
# non-zero exit.
set -eu -o pipefail
cd "$(dirname "$0")/.."
build=${1:-build/fuzz}
seconds=${2:-20}
shift $(( $# < 2 ? $# : 2 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(loader engine document)

CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
  binary="$build/fuzz_$target"
  seeds="fuzz/corpus/$target"
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/fuzz_$target.log"
  mkdir -p "$corpus" "$findings"
  "$binary" -runs=0 "$seeds" >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
  if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "$seeds" >>"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "fuzz_$target: FINDING, see $log and $findings/" >&2
    exit 1
  fi
  execs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  last=$(grep -E '(DONE|pulse|NEW|REDUCE) +cov:' "$log" | tail -n 1)
  cov=$(sed -E 's/.*cov: ([0-9]+).*/\1/' <<<"$last")
  ft=$(sed -E 's/.*ft: ([0-9]+).*/\1/' <<<"$last")
  echo "fuzz_$target: ${seconds} s, $execs executions, cov $cov, ft $ft, no finding"
done
