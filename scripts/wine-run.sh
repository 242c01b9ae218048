#!/usr/bin/env bash
# Runs a Windows program under Wine with a private prefix in the build folder.
# Usage: wine-run.sh [--dpi N] [--prefix NAME] BUILD_DIR PROGRAM.exe [ARGS...]
# Used as CTest's cross-compiling emulator; starts a virtual X server when no
# display is set. Runs under a Japanese locale, as the players' Windows does
# (code page 932), when the machine has it. --dpi N runs at N dots per inch
# (96 = 100 %, 144 = 150 %, 192 = 200 %) in a prefix of its own,
# BUILD_DIR/wineprefix-dpiN, so runs at different scales never share one;
# without it, and for 96, the prefix is BUILD_DIR/wineprefix at 96 (the
# tests' prefix). --prefix NAME uses BUILD_DIR/NAME (NAME-dpiN) instead:
# scripts/run.sh and scripts/screenshot.sh keep prefixes that no test writes
# to, so the settings and the autosave the tests leave never reach them.
set -eu
dpi=96
name=wineprefix
while :; do
  case ${1:-} in
    --dpi) dpi=$2; shift 2 ;;
    --prefix) name=$2; shift 2 ;;
    *) break ;;
  esac
done
build_dir=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
if [ "$dpi" = 96 ]; then
  export WINEPREFIX="$build_dir/$name"
else
  export WINEPREFIX="$build_dir/$name-dpi$dpi"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
fi
"$here/wine-prefix.sh" "$WINEPREFIX" "$dpi"
if [ -z "${DISPLAY:-}" ]; then
  # Room around the window at its scale.
  exec xvfb-run -a -s "-screen 0 $((1280 * dpi / 96))x$((1024 * dpi / 96))x24" wine "$@"
fi
exec wine "$@"
