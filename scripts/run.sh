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
# Started from its own folder, so the help viewer finds Tessavar.chm beside it.
root=$PWD
cd build/mingw
exec "$root/scripts/wine-run.sh" "$root/build/mingw" Tessavar.exe
