#!/usr/bin/env bash
# Creates a private Wine prefix once and applies the project's settings:
# Japanese UI fonts mapped to IPAPGothic (proportional, like MS UI Gothic), and windows drawn by Wine itself
# (no window manager runs under Xvfb, so managed windows would get no frame
# and Wine would wait for a manager that never answers).
# Usage: wine-prefix.sh PREFIX_DIR
set -eu
prefix=$1
settings=3  # raise when the settings below change
[ -f "$prefix/.tessavar-settings-$settings" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One creator at a time when tests start in parallel.
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.tessavar-settings-$settings" ] && exit 0
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
fi
for font in "MS UI Gothic" "MS Gothic" "MS PGothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1 || true
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
wineserver -w || true
touch "$prefix/.tessavar-settings-$settings"
