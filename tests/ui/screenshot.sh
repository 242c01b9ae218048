#!/usr/bin/env bash
# Starts Tessavar.exe under Wine on a virtual display and saves a screenshot.
# With --filled the keyboard first enters two observations of フシギダネ
# (いじっぱり, levels 50 and 100), so the results show.
# Usage: screenshot.sh BUILD_DIR OUT.png [--filled]
set -eu
build_dir=$(cd "$1" && pwd)
out=$(realpath -m "$2")
filled=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/../../scripts/wine-prefix.sh" "$WINEPREFIX"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$0/Tessavar.exe" &
  sleep 6
  if [ "$2" = --filled ]; then
    type_row() {  # level, six stats, six effort values, then Add
      for value in "$@"; do xdotool type "$value"; xdotool key Tab; done
      xdotool key space; sleep 0.5
    }
    xdotool key alt+o s k; sleep 1            # national order
    xdotool key Down Tab Down; sleep 0.5      # フシギダネ, いじっぱり
    for k in $(seq 11); do xdotool key Tab; done
    type_row 50 120 75 69 76 85 65 0 0 0 0 0 0
    for k in $(seq 13); do xdotool key shift+Tab; done  # from Add to level
    type_row 100 231 147 134 149 166 126 0 0 0 0 0 0
    sleep 1
  fi
  import -window root "$1"
  wineserver -k || true
' "$build_dir" "$out" "$filled"
echo "saved $out"
