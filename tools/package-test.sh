#!/usr/bin/env bash
# Installs the Windows package silently into a fresh private Wine prefix, checks what it put
# where, lists the supported printers with the installed settings tool against a printer
# registered through the spooler, uninstalls silently and checks that nothing is left.
#   tools/package-test.sh BUILD_FOLDER [INSTALLER]
# Without INSTALLER the package is made first (cpack -G NSIS in BUILD_FOLDER).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
installer="${2:-}"
if [ -z "$installer" ]; then
  (cd "$build" && cpack -G NSIS >/dev/null)
  installer=$(ls -t "$build"/dist/*.exe | head -1)
fi
installer=$(cd "$(dirname "$installer")" && pwd)/$(basename "$installer")

work="$build/package-test"
rm -rf "$work"; mkdir -p "$work"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
wine=$(command -v wine64 || command -v wine)
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check_file() { [ -f "$1" ] || fail "missing: ${1#"$WINEPREFIX"/}"; }

# A folder other than the default, given with /D= (which takes no quotes, so no spaces here:
# wine would quote the argument).
folder='C:\Tools\Tavrel'
inst="$WINEPREFIX/drive_c/Tools/Tavrel"
echo "== silent install into $folder"
"$wine" "$installer" /S "/D=$folder" || fail "the installer failed"
wineserver -w

# Every file of the install tree, and nothing else but the uninstaller.
expected="$work/expected"
cmake --install "$build" --prefix "$expected" >/dev/null
(cd "$expected" && find . -type f | sort) >"$work/expected.txt"
echo ./Uninstall.exe >>"$work/expected.txt"; sort -o "$work/expected.txt" "$work/expected.txt"
if [ -d "$inst" ]; then (cd "$inst" && find . -type f | sort) >"$work/installed.txt"; else : >"$work/installed.txt"; fi
diff -u "$work/expected.txt" "$work/installed.txt" || fail "installed files differ from the install tree"
for f in TAVREL.dll TavrelHost.exe TavrelSettings.exe vemrload.dll TVCCM.dll TVICC.dll version.txt \
  XVSTRENU.dll XVDLGENU.dll XVSTRDEU.dll XVDLGDEU.dll XVSTRFRA.dll XVDLGFRA.dll XVSTRESP.dll XVDLGESP.dll \
  XVSTRITA.dll XVDLGITA.dll \
  Uninstall.exe Tintora/Tavrel.ini; do
  check_file "$inst/$f"
done
# Every test page that "Tavrel.ini" names is there.
for page in $(grep -o '^[A-Za-z]*File=[^[:space:]]*' "$inst/Tintora/Tavrel.ini" 2>/dev/null |
              grep -v '^FileName=' | cut -d= -f2); do
  check_file "$inst/Tintora/$page"
done
help=$(sed -n 's/^FileName=\([^[:space:]]*\).*/\1/p' "$inst/Tintora/Tavrel.ini" 2>/dev/null || true)
if [ -n "$help" ] && [ ! -f "$inst/Tintora/$help" ]; then
  echo "note: the help file $help is not in this build (chmcmd missing or no help sources)"
fi
menus="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut=$(find "$menus" -name 'Tavrel Colour Wizard.lnk' | head -1)
if [ -z "$shortcut" ]; then
  fail "no Start-menu entry for the wizard"
else
  # The wizard reads "Tintora\Tavrel.ini" from its current folder: the shortcut starts it there.
  strings -el "$shortcut" | grep -qxF "$folder" || fail "the wizard's shortcut does not start in $folder"
fi
grep -q 'CurrentVersion\\\\Uninstall\\\\Tavrel\]' "$WINEPREFIX/system.reg" || fail "no uninstall registry key"

echo "== the settings tool on a printer registered through the spooler"
drivers="$work/driver"; mkdir -p "$drivers"
printf '[Capability]\r\nPackage Test Color=PKG100\r\n[PKG100]\r\nCCMInfoFile=PKG100CM.INI\r\nCCMVersion=0310\r\nLocalPrinterOnly=0\r\n' \
  >"$drivers/XVPKG100.CAP"
printf '[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n' >"$drivers/PKG100CM.INI"
"$wine" "$build/bin/TavrelAddPrinter.exe" "Package Printer" "Package Test Color" \
  "Z:$drivers/XVPKG100.CAP" "Z:$drivers/PKG100CM.INI" || fail "could not register the test printer"
# As a login script starts it: from another folder, by its full path.
status=0
listing=$(cd "$work" && "$wine" "$inst/TavrelSettings.exe" printers 2>&1) || status=$?
echo "$listing"
[ $status -eq 0 ] || fail "TavrelSettings printers exited with $status"
grep -q "^Package Printer	Package Test Color	0310	" <<<"$listing" ||
  fail "TavrelSettings printers does not list \"Package Printer\" with its model and version"
status=0
json=$(cd "$work" && "$wine" "$inst/TavrelSettings.exe" printers --json 2>/dev/null) || status=$?
[ $status -eq 0 ] || fail "TavrelSettings printers --json exited with $status"
python3 -c 'import json, sys; printers = json.loads(sys.argv[1]); sys.exit(0 if any(p["name"] == "Package Printer" and p["catalog"].upper().endswith("PKG100CM.INI") for p in printers) else 1)' "$json" ||
  fail "TavrelSettings printers --json: not JSON, or \"Package Printer\" missing: $json"
status=0
(cd "$work" && "$wine" "$inst/TavrelSettings.exe" frobnicate >/dev/null 2>&1) || status=$?
[ $status -eq 2 ] || fail "TavrelSettings with a wrong command exited with $status, not 2"

echo "== silent uninstall"
"$wine" "$inst/Uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
if [ -d "$inst" ]; then
  fail "left behind in the install folder:"; (cd "$inst" && find . | sed 's/^/  /')
fi
left=$(find "$menus" -name '*Tavrel*')
[ -z "$left" ] || fail "Start-menu entries left: $left"
! grep -q 'CurrentVersion\\\\Uninstall\\\\Tavrel\]' "$WINEPREFIX/system.reg" || fail "uninstall registry key left"

if [ $failures -ne 0 ]; then echo "package test: $failures failure(s)"; exit 1; fi
echo "package test: passed"
