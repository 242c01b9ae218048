#!/usr/bin/env bash
# Runs a Windows program under Wine with the build folder's private prefix.
# Usage: wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]
# Used as CTest's cross-compiling emulator; starts a virtual X server when no
# display is set. Runs under a Japanese locale, as the players' Windows does
# (code page 932), when the machine has it.
set -eu
build_dir=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
fi
"$here/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
