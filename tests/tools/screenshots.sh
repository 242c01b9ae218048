#!/usr/bin/env bash
# Captures the tool windows under a virtual X server:
#   tests/tools/screenshots.sh BUILD_DIR [OUT_DIR]
# Needs the tessavar_tools_preview target built; the help viewer shots also
# need Tessavar.chm in BUILD_DIR.
set -eu
build=$(cd "$1" && pwd)
out=${2:-$build/screenshots}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
"$here/../../scripts/wine-prefix.sh" "$build/wineprefix"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
preview="$build/tests/tools/tessavar_tools_preview.exe"
shots="calculator about"
[ -f "$build/Tessavar.chm" ] && shots="$shots help-contents help-index"
for shot in $shots; do
  xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    cd "$1" && wine "$2" "$3" & pid=$!
    sleep 6
    import -window root "$4"
    wait $pid' _ "$build" "$preview" "$shot" "$out/$shot.png"
  echo "$out/$shot.png"
done
