#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix inside its build folder
# (the nearest folder above the program that holds CMakeCache.txt), with the null
# display driver so windows, dialogs and messages work without an X server.
set -euo pipefail
prog="$1"; shift
dir=$(cd "$(dirname "$prog")" && pwd)
build="$dir"
while [ "$build" != "/" ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || build="$dir"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
wine=$(command -v wine64 || command -v wine)
if [ ! -f "$WINEPREFIX/.tavrel-ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tavrel-ready" ]; then
      "$wine" wineboot -i >/dev/null 2>&1 || true
      "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      wineserver -w || true
      touch "$WINEPREFIX/.tavrel-ready"
    fi
  ) 9>"$build/.wineprefix.lock"
fi
# Wine's own fonts in the prefix, as on the screen (tools/wine-desktop.sh): without them the
# dialog font is another one, and a measured text may fit that would be cut on the screen.
if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/.tavrel-fonts" ]; then
  (
    flock 9
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.tavrel-fonts"
  ) 9>"$build/.wineprefix.lock"
fi
exec "$wine" "$prog" "$@"
