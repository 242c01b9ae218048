#!/usr/bin/env bash
# Creates a private Wine prefix once: Japanese UI font mapped to IPAGothic.
# Usage: wine-prefix.sh PREFIX_DIR
set -eu
prefix=$1
[ -f "$prefix/.tessavar-ready" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One creator at a time when tests start in parallel.
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.tessavar-ready" ] && exit 0
wineboot -i >/dev/null 2>&1 || true
for font in "MS UI Gothic" "MS Gothic" "MS PGothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d IPAGothic /f >/dev/null 2>&1 || true
done
wineserver -w || true
touch "$prefix/.tessavar-ready"
