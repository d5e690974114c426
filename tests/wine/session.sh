#!/usr/bin/env bash
# start: prefix (made once), a private virtual display and a running wineserver. stop: ends both.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$here/prefix"
case "${1:-}" in
  start)
    exec 8>"$here/session.lock"
    flock 8
    "$here/setup-prefix.sh" "$WINEPREFIX"
    if [ -f "$here/xvfb.pid" ] && kill -0 "$(cat "$here/xvfb.pid")" 2>/dev/null; then exit 0; fi
    rm -f "$here/display"
    # setsid and closed stdio: nothing may hold CTest's pipes open after this script ends.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$here/display.fd" </dev/null >/dev/null 2>&1 8>&- &
    echo $! >"$here/xvfb.pid"
    for _ in $(seq 100); do [ -s "$here/display.fd" ] && break; sleep 0.05; done
    [ -s "$here/display.fd" ] || { echo "Xvfb did not start" >&2; exit 1; }
    echo ":$(tr -d '\n' <"$here/display.fd")" >"$here/display"
    WINE_TEST_DISPLAY="$(cat "$here/display")" "$here/wine-run.sh" "$here/wine-noop.exe" </dev/null >/dev/null 2>&1 8>&-
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -f "$here/xvfb.pid" ]; then kill "$(cat "$here/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$here/xvfb.pid" "$here/display" "$here/display.fd"
    ;;
  *) echo "usage: session.sh start|stop" >&2; exit 2 ;;
esac
