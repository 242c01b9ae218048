#!/usr/bin/env bash
# Starts Tessavar.exe under Wine on a virtual display and saves a screenshot.
# Usage: screenshot.sh BUILD_DIR OUT.png [SECONDS]
set -eu
build_dir=$(cd "$1" && pwd)
out=$(realpath -m "$2")
wait_seconds=${3:-6}
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/../../scripts/wine-prefix.sh" "$WINEPREFIX"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$0/Tessavar.exe" &
  sleep "$2"
  import -window root "$1"
  wineserver -k || true
' "$build_dir" "$out" "$wait_seconds"
echo "saved $out"
