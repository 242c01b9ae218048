#!/usr/bin/env bash
# Takes a screenshot of one of the program's windows under a virtual X
# server, with the settings of scripts/wine-run.sh:
#   scripts/screenshot.sh BUILD_DIR OUT.png              the main window
#   scripts/screenshot.sh BUILD_DIR OUT.png --filled     the same with the
#       quick-start example typed in (フシギダネ, いじっぱり, levels 50 and 100)
#   scripts/screenshot.sh BUILD_DIR OUT.png --questions  フシギダネ of unknown
#       nature at level 10, once with effort values unknown and once 0: a "?"
#       row, the natures still possible and the next levels to check
#   scripts/screenshot.sh BUILD_DIR OUT.png --tool NAME  a tool window through
#       the tools' preview program: calculator, about, help-contents or
#       help-index (the help shots need Tessavar.chm in BUILD_DIR)
#   --dpi N (before the others) shows it at N dots per inch, e.g. 144 (150 %)
#       or 192 (200 %), in the prefix that scripts/wine-run.sh keeps for N
# SCREEN (default 1024x768x24, grown in proportion to the DPI) sets the
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
args=()
if [ "$mode" = --tool ]; then
  program=tests/tools/tessavar_tools_preview.exe
  args=("$2")
fi
screen=${SCREEN:-$((1024 * dpi / 96))x$((768 * dpi / 96))x24}
prefix=$build/wineprefix
[ "$dpi" = 96 ] || prefix=$build/wineprefix-dpi$dpi
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 $screen" bash -c '
  here=$1 build=$2 out=$3 mode=$4 program=$5 dpi=$6 prefix=$7
  shift 7
  cd "$build"
  # A first run at a scale creates its prefix, which takes longer than the
  # wait below: make it first.
  "$here/wine-run.sh" --dpi "$dpi" "$build" cmd.exe /c exit
  "$here/wine-run.sh" --dpi "$dpi" "$build" "$program" "$@" &
  sleep 6
  type_values() {  # each value into a field, then Tab
    for value in "$@"; do xdotool type "$value"; xdotool key Tab; done
  }
  type_row() {  # level, six stats, over the 努力値不明 box, six effort values, Add
    type_values "${@:1:7}"; xdotool key Tab; type_values "${@:8}"
    xdotool key space; sleep 0.5
  }
  to_level() {  # from the species box, or (shift) from Add
    for k in $(seq "$1"); do xdotool key "$2"; done
  }
  case "$mode" in
    --filled)
      xdotool key alt+o s k; sleep 1            # national order
      xdotool key Down Tab Down; sleep 0.5      # フシギダネ, いじっぱり
      to_level 11 Tab
      type_row 50 120 75 69 76 85 65 0 0 0 0 0 0
      to_level 14 shift+Tab
      type_row 100 231 147 134 149 166 126 0 0 0 0 0 0
      sleep 1 ;;
    --questions)
      xdotool key alt+o s k; sleep 1            # national order
      xdotool key Down Tab                      # フシギダネ
      for k in $(seq 26); do xdotool key Down; done  # the last nature: （不明）
      to_level 11 Tab
      type_values 10 32 18 17 18 21 17         # then on the 努力値不明 box
      xdotool key space Tab space; sleep 0.5    # check it, Add
      to_level 8 shift+Tab                      # the effort fields are off
      type_values 10 32 18 17 18 21 17
      xdotool key space Tab                     # clear the box
      type_values 0 0 0 0 0 0
      xdotool key space; sleep 1 ;;
  esac
  import -window root "$out"
  WINEPREFIX="$prefix" wineserver -k || true
' _ "$here" "$build" "$out" "$mode" "$program" "$dpi" "$prefix" "${args[@]}"
echo "$out"
