#!/usr/bin/env bash
# Runs a Windows program in the tests' Wine session (prefix, display, sound card of this folder).
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-arch.sh"
export WINEPREFIX="${WINE_TEST_PREFIX:-$here/prefix}" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
# WINE_TEST_ALSA_CONFIG=/dev/null gives a computer without a sound card; LANXING_TEST_LANG another locale.
export LANG="${LANXING_TEST_LANG:-zh_CN.UTF-8}" LC_ALL="${LANXING_TEST_LANG:-zh_CN.UTF-8}"
export ALSA_CONFIG_PATH="${WINE_TEST_ALSA_CONFIG:-$here/asound.conf}"
# CTest lists the cases of a Win32 test program by running it before any fixture has started, so
# the session starts on first use too.
[ -n "${WINE_TEST_DISPLAY:-}" ] || [ -s "$here/display" ] || "$here/session.sh" start </dev/null >/dev/null 2>&1
export DISPLAY="${WINE_TEST_DISPLAY:-$(cat "$here/display" 2>/dev/null)}"
[ -n "$DISPLAY" ] || { echo "the tests' Wine session did not start" >&2; exit 1; }
# The session's first process starts Wine's services, which inherit its stdio and any open fd:
# a no-op program with everything closed goes first so a caller's pipe is never held open.
( flock 9
  wineserver -p600 </dev/null >/dev/null 2>&1 9>&-
  "$wine_loader" "$here/wine-noop.exe" </dev/null >/dev/null 2>&1 9>&-
) 9>"$WINEPREFIX.lock"
exec "$wine_loader" "$@"
