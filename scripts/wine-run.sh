#!/usr/bin/env bash
# Runs a Windows program under Wine with the build folder's private prefix.
# Usage: wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]
# Used as CTest's cross-compiling emulator; starts a virtual X server when no
# display is set.
set -eu
build_dir=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
