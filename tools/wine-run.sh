#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix inside its build folder
# (the nearest folder above the program that holds CMakeCache.txt), with the null
# display driver so windows, dialogs and messages work without an X server.
# TAVREL_WINE_DPI=144 (or another resolution) runs it in a prefix of its own whose screen has
# that many pixels per inch (the session's LogPixels), as at 150 % on Windows.
set -euo pipefail
prog="$1"; shift
dir=$(cd "$(dirname "$prog")" && pwd)
build="$dir"
while [ "$build" != "/" ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || build="$dir"
dpi="${TAVREL_WINE_DPI:-96}"
[[ "$dpi" =~ ^[0-9]+$ ]] || { echo "wine-run: TAVREL_WINE_DPI must be a number" >&2; exit 2; }
if [ "$dpi" = 96 ]; then export WINEPREFIX="$build/wineprefix"; else export WINEPREFIX="$build/wineprefix-dpi$dpi"; fi
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
      if [ "$dpi" != 96 ]; then
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
      fi
      wineserver -w || true
      touch "$WINEPREFIX/.tavrel-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Wine's own fonts in the prefix, as on the screen (tools/wine-desktop.sh): without them the
# dialog font is another one, and a measured text may fit that would be cut on the screen.
if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/.tavrel-fonts" ]; then
  (
    flock 9
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.tavrel-fonts"
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$prog" "$@"
