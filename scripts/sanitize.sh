#!/usr/bin/env bash
# Builds the native tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them. Any sanitizer report fails the run, also one in a test that
# otherwise passed.
# Usage: sanitize.sh [BUILD_DIR]   (default build/asan)
set -eu -o pipefail
cd "$(dirname "$0")/.."
build=${1:-build/asan}
jobs=${JOBS:-$(nproc)}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAVAR_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$jobs" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$jobs"
log="$build/Testing/Temporary/LastTest.log"
if grep -nE 'runtime error:|ERROR: (Address|Leak|UndefinedBehavior)Sanitizer' "$log"; then
  echo "sanitizer report in $log" >&2
  exit 1
fi
echo "sanitizers: no report"
