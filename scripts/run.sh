#!/usr/bin/env bash
# Builds Tessavar.exe and its help file and starts the program under Wine.
# With a display it opens there. Without one it starts on a virtual screen,
# saves a screenshot of the started window, prints its path and keeps the
# program running until Ctrl+C.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/mingw -j"$(nproc)" --target Tessavar help_chm
root=$PWD
build=$root/build/mingw
# Started from its own folder, so the help viewer finds Tessavar.chm beside it.
cd "$build"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/scripts/wine-run.sh" "$build" Tessavar.exe
fi

echo "No display is set: starting Tessavar on a virtual screen."
number=90
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
  number=$((number + 1))
done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$number"
app=
stop() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
trap 'exit 130' INT TERM
"$root/scripts/wine-run.sh" "$build" Tessavar.exe &
app=$!
# The window appears once the prefix is ready; the first start creates it.
for _ in $(seq 240); do
  xdotool search --name '^Tessavar' >/dev/null 2>&1 && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.5
done
sleep 1
shot=$build/tessavar-screen.png
import -window root "$shot"
echo "Screenshot of the started window: $shot"
echo "Tessavar runs on the virtual screen $DISPLAY until you press Ctrl+C."
wait "$app"
