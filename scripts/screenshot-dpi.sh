#!/usr/bin/env bash
# The program's windows at a scaled display setting: runs the built exe under Wine in a prefix of
# its own whose DPI is set (144 = 150% by default), opens the audio window and saves a screenshot
# of the screen to build/dpi-<DPI>/screenshot.png.   scripts/screenshot-dpi.sh [DPI]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:-144}
work="$root/build/dpi-$dpi"
wine_dir="$root/build/win32/wine"
exe_name="澜星助手工具箱.exe"
mkdir -p "$work"
cp "$root/build/win32/app/$exe_name" "$work/$exe_name"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
"$root/tests/wine/setup-prefix.sh" "$WINEPREFIX"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
cd "$work"
wine "$exe_name" </dev/null >/dev/null 2>&1 &
probe="$wine_dir/winprobe.exe"
wine "$probe" wait "澜星助手工具箱v1.6" 60000 >/dev/null
xdotool mousemove --sync $(wine "$probe" rect "澜星助手工具箱v1.6" | awk '{print $5 + 67, $6 + 25}') click 1
wine "$probe" wait "澜星音频助手" 30000 >/dev/null
sleep 1   # let both windows finish painting before the picture is taken
import -window root "$work/screenshot.png"
echo "main window: $(wine "$probe" rect "澜星助手工具箱v1.6")"
echo "audio window: $(wine "$probe" rect "澜星音频助手")"
echo "screenshot at $dpi DPI: $work/screenshot.png"
