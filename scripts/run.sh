#!/usr/bin/env bash
# Builds Tessavar.exe and starts it under Wine (with a virtual display when
# none is set).
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/mingw -j"$(nproc)"
if [ ! -f build/mingw/Tessavar.exe ]; then
  echo "Tessavar.exe was not built." >&2
  exit 1
fi
exec scripts/wine-run.sh "$PWD/build/mingw" "$PWD/build/mingw/Tessavar.exe"
