#!/usr/bin/env bash
# Builds Tessavar.exe and its help file and starts the program under Wine.
# With a display it opens there. Without one it starts on a virtual screen,
# saves a screenshot of the started window, prints its path and keeps the
# program running until Ctrl+C.
# The program runs in a Wine prefix of its own, build/mingw/wineprefix-run,
# that no test writes to: the first run starts as a new player's does, and
# later runs find only the settings and the autosave of earlier runs.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/mingw -j"$(nproc)" --target Tessavar help_chm tessavar_screen_driver
root=$PWD
build=$root/build/mingw
name=wineprefix-run
# Started from its own folder, so the help viewer finds Tessavar.chm beside it.
cd "$build"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/scripts/wine-run.sh" --prefix "$name" "$build" Tessavar.exe
fi

echo "No display is set: starting Tessavar on a virtual screen."
number=90
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
  number=$((number + 1))
done
# Room around the window, which is about 820 x 590 pixels at 100 %.
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$number"
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$number" ] && break
  sleep 0.1
done
stop() {
  WINEPREFIX="$build/$name" wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
trap 'exit 130' INT TERM
# Starts the program and returns once its window is up and idle; the first
# start also creates the prefix.
"$root/scripts/wine-run.sh" --prefix "$name" "$build" \
  tests/ui/tessavar_screen_driver.exe Tessavar.exe
shot=$build/tessavar-screen.png
"$root/scripts/capture-screen.sh" "$shot"
echo "Screenshot of the started window: $shot"
echo "Tessavar runs on the virtual screen $DISPLAY until you press Ctrl+C."
# Until the program ends (or Ctrl+C).
WINEPREFIX="$build/$name" wineserver -w
