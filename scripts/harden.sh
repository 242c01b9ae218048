#!/usr/bin/env bash
# Hardening checks of the portable core (data and engine):
#   - the native tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#   - the native core test program under valgrind (memory errors and leaks);
#   - each libFuzzer target for a bounded time (FUZZ_SECONDS, default 20).
# Usage: harden.sh [BUILD_ROOT]   (default build; uses BUILD_ROOT/asan,
# BUILD_ROOT/native and BUILD_ROOT/fuzz)
set -eu -o pipefail
cd "$(dirname "$0")/.."
root=${1:-build}
jobs=${JOBS:-$(nproc)}

echo "== sanitizers (address, undefined)"
bash scripts/sanitize.sh "$root/asan"

echo "== valgrind over the core tests"
core="$root/native/tests/tessavar_core_tests"
if [ ! -x "$core" ]; then
  cmake -S . -B "$root/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/native" -j"$jobs" --target tessavar_core_tests >/dev/null
fi
valgrind -q --error-exitcode=1 --leak-check=full \
  --errors-for-leak-kinds=definite,indirect "$core" --gtest_brief=1

echo "== fuzzing (${FUZZ_SECONDS:-20} s per target)"
bash scripts/fuzz.sh "$root/fuzz" "${FUZZ_SECONDS:-20}"
