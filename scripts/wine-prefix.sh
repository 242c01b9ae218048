#!/usr/bin/env bash
# Creates a private Wine prefix once and applies the project's settings:
# Japanese UI fonts mapped to IPAPGothic (proportional, like MS UI Gothic),
# windows drawn by Wine itself (no window manager runs under Xvfb, so managed
# windows would get no frame and Wine would wait for a manager that never
# answers), and the display scale in dots per inch (default 96, 100 %).
# Usage: wine-prefix.sh PREFIX_DIR [DPI]
set -eu
prefix=$1
dpi=${2:-96}
case $dpi in
  '' | *[!0-9]*) echo "wine-prefix.sh: DPI must be a number, not '$dpi'" >&2; exit 2 ;;
esac
settings=4  # raise when the settings below change
done_mark="$prefix/.tessavar-settings-$settings-dpi$dpi"
[ -f "$done_mark" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One creator at a time when tests start in parallel.
exec 9>"$prefix.lock"
flock 9
[ -f "$done_mark" ] && exit 0
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
fi
for font in "MS UI Gothic" "MS Gothic" "MS PGothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1 || true
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
# The user's scale and the machine's, as the display settings write them.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$prefix"/.tessavar-settings-*
touch "$done_mark"
