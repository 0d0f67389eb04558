# Functions that lay out the demo machine of tools/demo.sh in a private Wine prefix and run the
# product on real windows there, inside a Wine virtual desktop. Sourced by tools/screenshots.sh
# and tools/demo.sh --windows; not run on its own.
#
#   wd_lay_out PREFIX_FOLDER BIN WIDTHxHEIGHT   prefix, fonts, desktop, printers, utility folder
#   wd_start_host [PRINTER]                     the wizard, in the background (pid in wd_host_pid)
#   wd_wait TITLE [SECONDS]                     waits until that window is the topmost, enabled one
#   wd_click TITLE CONTROL_NAME [DX DY]          clicks a control (its centre, or DX DY from its corner)
#   wd_id NAME                                  the number of a control id from src/resources
#
# Needs wine, xdotool (for clicks) and a Windows build folder holding TavrelHost.exe, the
# libraries, Tavrel.chm, TavrelAddPrinter.exe and TavrelWindowProbe.exe.

wd_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wd_wine=$(command -v wine64 || command -v wine || true)

# Window ids of the system's wizard buttons and message boxes (they are not ours to name).
WD_WIZARD_BACK=12323
WD_WIZARD_NEXT=12324
WD_WIZARD_FINISH=12325
WD_IDOK=1
WD_IDCANCEL=2
WD_IDYES=6
WD_IDNO=7
WD_IDHELP=9

wd_id() {
  local value
  if [[ "$1" =~ ^[0-9]+$ ]]; then echo "$1"; return 0; fi
  value=$(sed -n "s/^#define $1 \\([0-9][0-9]*\\).*/\\1/p" "$wd_root"/src/resources/*.h | head -1)
  if [ -z "$value" ]; then echo "wine-desktop: no id named $1" >&2; return 1; fi
  echo "$value"
}

# The text of a string id, as the string library has it (for waiting on titles).
wd_string() {
  sed -n "s/^ *$1, \"\\(.*\\)\"$/\\1/p" "$wd_root/external/strings_enu/XVSTRENU.rc" | head -1
}

wd_lay_out() {
  local work="$1" bin="$2" size="$3"
  wd_bin=$(cd "$bin" && pwd)
  mkdir -p "$work"
  work=$(cd "$work" && pwd)
  export WINEPREFIX="$work/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX" "$work/demo"
  DISPLAY= "$wd_wine" wineboot -i >/dev/null 2>&1 || true
  # A virtual desktop for every program of the prefix, so that Wine draws title bars and
  # system menus itself and the window probe sees the same desktop as the wizard.
  DISPLAY= "$wd_wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  DISPLAY= "$wd_wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
  # WD_DPI=144: a screen of that many pixels per inch (150 %), as Windows' display scaling sets it.
  if [ -n "${WD_DPI:-}" ]; then
    DISPLAY= "$wd_wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WD_DPI" /f >/dev/null 2>&1
  fi
  wineserver -w
  # Wine's own fonts in the prefix: without them captions show their glyphs as letters.
  if [ -d /usr/share/wine/fonts ]; then cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"; fi

  # The same machine as the Linux demo: its utility folder and its printers.
  "$wd_root/tools/make-demo-machine.sh" "$work/demo" "$wd_bin" >/dev/null
  wd_app="$WINEPREFIX/drive_c/Program Files/Tavrel Host"
  mkdir -p "$wd_app"
  cp -r "$work/demo/c/Program Files/Tavrel Host/." "$wd_app/"
  local f
  for f in TavrelHost.exe TAVREL.dll vemrload.dll TVCCM.dll TVICC.dll Tavrel.chm; do
    if [ -f "$wd_bin/$f" ]; then cp "$wd_bin/$f" "$wd_app/"; fi
  done
  # Every language library the build made: the loader picks the one of the session's language.
  for f in "$wd_bin"/XVSTR*.dll "$wd_bin"/XVDLG*.dll; do
    if [ -f "$f" ]; then cp "$f" "$wd_app/"; fi
  done
  if [ -f "$wd_bin/Tavrel.chm" ]; then cp "$wd_bin/Tavrel.chm" "$wd_app/Tintora/"; fi
  wd_register_printers "$work/demo"
  # The next program must start a new session on the caller's display.
  wineserver -w
}

# Registers every printer of the demo machine's description through the spooler, its driver
# carrying the capability file and catalogue the description lists.
wd_register_printers() {
  local drivers="$1/c/Windows/System32/spool/DRIVERS/x64/3" printer driver files part args parts
  # One line per printer: name, driver, the driver's dependent files (";"-separated).
  awk -F= '
    /^\[/ { section = $0; next }
    section == "[Driver]" && $1 == "Name" { name = $2 }
    section == "[Driver]" && $1 == "DependentFiles" { files[name] = $2 }
    section == "[Printer]" && $1 == "Name" { n++; printer[n] = $2 }
    section == "[Printer]" && $1 == "Driver" { driver[n] = $2 }
    END { for (i = 1; i <= n; i++) print printer[i] "|" driver[i] "|" files[driver[i]] }
  ' "$1/machine.ini" >"$1/printers.txt"
  while IFS='|' read -r printer driver files; do
    if [ -z "$files" ]; then
      echo "  (not registered: \"$printer\" has no capability file, so it is not a supported printer)"
      continue
    fi
    args=()
    IFS=';' read -ra parts <<<"$files"
    for part in "${parts[@]}"; do args+=("Z:$drivers/${part##*\\}"); done
    DISPLAY= "$wd_wine" "$wd_bin/TavrelAddPrinter.exe" "$printer" "$driver" "${args[@]}" >/dev/null ||
      echo "wine-desktop: could not register \"$printer\"" >&2
  done <"$1/printers.txt"
}

wd_start_host() {
  (cd "$wd_app" && exec "$wd_wine" TavrelHost.exe "$@" >"$WINEPREFIX/../host.log" 2>&1) &
  wd_host_pid=$!
}

wd_probe() {  # the console of a Windows program ends its lines with CR LF
  "$wd_wine" "$wd_bin/TavrelWindowProbe.exe" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# Waits until a window whose title contains TITLE is on top and takes input; sets wd_rect.
wd_wait() {
  local out
  out=$(wd_probe wait "$1" "${2:-20}") || return 1
  read -r -a wd_rect <<<"$out"
  sleep 0.3  # let the window finish painting
}

wd_gone() {
  wd_probe gone "$1" "${2:-20}"
}

wd_click() {
  local title="$1" id cx cy left top
  id=$(wd_id "$2") || return 1
  read -r cx cy left top < <(wd_probe control "$title" "$id") || return 1
  if [ $# -ge 4 ]; then cx=$((left + $3)); cy=$((top + $4)); fi
  xdotool mousemove "$cx" "$cy" click 1
  sleep 0.3
}

wd_double_click() {
  local title="$1" id cx cy left top
  id=$(wd_id "$2") || return 1
  read -r cx cy left top < <(wd_probe control "$title" "$id") || return 1
  if [ $# -ge 4 ]; then cx=$((left + $3)); cy=$((top + $4)); fi
  xdotool mousemove "$cx" "$cy" click --repeat 2 --delay 80 1
  sleep 0.3
}

wd_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
}
