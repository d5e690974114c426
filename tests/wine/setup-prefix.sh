#!/usr/bin/env bash
# Creates the tests' private 32-bit Wine prefix in $1 (once; a stamp marks it done).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
export WINEPREFIX="$(cd "$1" && pwd)" WINEARCH=win32
[ -f "$WINEPREFIX/.lanxing-ready" ] && exit 0
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
unset DISPLAY
wineboot -i >/dev/null 2>&1
wine regedit /s "$(winepath -w "$here/prefix.reg")" >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$here/fakebrowser.sh" /f >/dev/null 2>&1
# Wine 8 draws caption buttons with Marlett only when the font sits in the prefix.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -k || true
wineserver -w
touch "$WINEPREFIX/.lanxing-ready"
