#!/usr/bin/env bash
# Builds everything and runs every test: native (plain and with sanitizers),
# the instruction budgets, and the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== native build and tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"
bash scripts/harden.sh build

echo "== instruction budgets (callgrind)"
bash scripts/count_instructions.sh build/native --check

echo "== Windows build and tests under Wine"
cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/mingw -j"$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build/mingw --output-on-failure
