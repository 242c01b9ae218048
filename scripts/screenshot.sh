#!/usr/bin/env bash
# Takes a screenshot of one of the program's windows under a virtual X
# server, with the settings of scripts/wine-run.sh:
#   scripts/screenshot.sh BUILD_DIR OUT.png              the main window
#   scripts/screenshot.sh BUILD_DIR OUT.png --filled     the same with the
#       quick-start example typed in (フシギダネ, いじっぱり, levels 50 and 100)
#   scripts/screenshot.sh BUILD_DIR OUT.png --questions  フシギダネ of unknown
#       nature at level 10, once with effort values unknown and once 0: a "?"
#       row, the natures still possible and the next levels to check
#   scripts/screenshot.sh BUILD_DIR OUT.png --gen9       the quick-start
#       example in mode 9: a verdict per stat, Speed read after hyper training
#   scripts/screenshot.sh BUILD_DIR OUT.png --tool NAME  a tool window through
#       the tools' preview program: calculator, about, help-contents or
#       help-index
#   --dpi N (before the others) shows it at N dots per inch, e.g. 144 (150 %)
#       or 192 (200 %)
# Every shot starts the program as on its first run, in a Wine prefix of the
# screenshots' own (BUILD_DIR/wineprefix-shot, -dpiN at another scale) that
# no test writes to: the remembered settings and the autosave are removed
# first. The window is driven by messages (tests/ui/screen_driver.cpp) and
# the screen is saved once the picture stays the same, so the same command
# gives the same picture every time.
# SCREEN (default 1280x1024x24, grown in proportion to the DPI) sets the
# virtual screen.
set -eu
build=$(cd "$1" && pwd)
out=$(realpath -m "$2")
shift 2
dpi=96
if [ "${1:-}" = --dpi ]; then
  dpi=$2
  shift 2
fi
mode=${1:-}
here=$(cd "$(dirname "$0")" && pwd)
program=Tessavar.exe
targets=(Tessavar tessavar_screen_driver)
args=()
[ -z "$mode" ] || args=("$mode")
case $mode in
  '' | --filled | --questions | --gen9) ;;
  --tool)
    program=tests/tools/tessavar_tools_preview.exe
    targets+=(tessavar_tools_preview help_chm)
    args=("${2:?screenshot.sh: --tool needs a window name}") ;;
  *) echo "screenshot.sh: unknown choice '$mode'" >&2; exit 2 ;;
esac
# The programs as the sources are now.
if ! log=$(cmake --build "$build" --target "${targets[@]}" 2>&1); then
  echo "$log" >&2
  exit 1
fi
screen=${SCREEN:-$((1280 * dpi / 96))x$((1024 * dpi / 96))x24}
name=wineprefix-shot
prefix=$build/$name
[ "$dpi" = 96 ] || prefix=$build/$name-dpi$dpi
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 $screen" bash -c '
  here=$1 build=$2 out=$3 program=$4 dpi=$5 name=$6 prefix=$7
  shift 7
  cd "$build"
  # A caret that does not blink, so that the moment of the shot does not
  # matter; set once in the prefix.
  if [ ! -f "$prefix/.tessavar-steady-caret" ]; then
    "$here/wine-run.sh" --dpi "$dpi" --prefix "$name" "$build" reg add \
      "HKCU\\Control Panel\\Desktop" /v CursorBlinkRate /t REG_SZ /d -1 /f \
      >/dev/null
    touch "$prefix/.tessavar-steady-caret"
  fi
  status=0
  "$here/wine-run.sh" --dpi "$dpi" --prefix "$name" "$build" \
    tests/ui/tessavar_screen_driver.exe --fresh "$program" "$@" || status=$?
  [ "$status" = 0 ] && "$here/capture-screen.sh" "$out"
  WINEPREFIX="$prefix" wineserver -k || true
  exit "$status"
' _ "$here" "$build" "$out" "$program" "$dpi" "$name" "$prefix" "${args[@]}"
echo "$out"
