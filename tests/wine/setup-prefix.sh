#!/usr/bin/env bash
# Creates the tests' private Wine prefix in $1 (once; stamps mark what is done): 32-bit, or 64-bit
# for a build tree of 64-bit programs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
wine_loader=wine
export WINEARCH=win32
[ ! -f "$here/wine-arch.sh" ] || . "$here/wine-arch.sh"
export WINEPREFIX="$(cd "$1" && pwd)"
[ -f "$WINEPREFIX/.lanxing-ready" ] && [ -f "$WINEPREFIX/.lanxing-fonts" ] && exit 0
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
unset DISPLAY
if [ ! -f "$WINEPREFIX/.lanxing-ready" ]; then
  "$wine_loader" wineboot -i >/dev/null 2>&1
  "$wine_loader" regedit /s "$("$wine_loader" winepath -w "$here/prefix.reg")" >/dev/null 2>&1
  "$wine_loader" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$here/fakebrowser.sh" /f >/dev/null 2>&1
  # Wine 8 draws caption buttons with Marlett only when the font sits in the prefix.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# The windows' texts are sized for SimSun. Wine has no SimSun and would draw 宋体 with a sans-serif
# font of other widths; a Song-style font with SimSun's metrics stands in for its names. Wine's own
# fonts (Tahoma for captions, menus and message boxes) link to SimSun for the characters they lack,
# so through the same names Chinese also shows under a locale that is not Chinese.
for face in 宋体 新宋体 SimSun NSimSun; do
  "$wine_loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "AR PL UMing CN" /f >/dev/null 2>&1
done
wineserver -k || true
wineserver -w
touch "$WINEPREFIX/.lanxing-ready" "$WINEPREFIX/.lanxing-fonts"
