#!/usr/bin/env bash
# The Windows packages as an owner and an administrator use them, in a fresh private Wine prefix:
# - the installer of an older version is installed silently, a printer is registered through the
#   spooler and a setting is stored for it (catalogue entry and data file);
# - the installed wizard, started from another folder, shows its first page (it finds its
#   utility folder), and while it runs the new installer and the uninstaller refuse;
# - the new installer upgrades silently into the same folder: every file is there, the setting
#   still opens (the installed settings tool exports it), the Start menu and uninstall entries
#   are right;
# - the silent uninstall removes our files and keeps the owner's settings;
# - the MSI installs silently, its settings tool lists the printer, and it removes itself
#   without a trace.
#   tools/package-test.sh BUILD_FOLDER [INSTALLER]
# Without INSTALLER the package is made first (cpack -G NSIS in BUILD_FOLDER); the older
# version is the same script made again with an older version number, and the MSI is made
# with the build's "msi" target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
installer="${2:-}"
if [ -z "$installer" ]; then
  (cd "$build" && cpack -G NSIS >/dev/null)
  installer=$(ls -t "$build"/dist/*.exe | head -1)
fi
installer=$(cd "$(dirname "$installer")" && pwd)/$(basename "$installer")
script="$build/dist/_CPack_Packages/win64/NSIS/project.nsi"

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
uninstall_key='CurrentVersion\\\\Uninstall\\\\Tavrel\]'
# The value of the uninstall entry's NAME in the registry file, as Wine writes it.
uninstall_value() {
  sed -n "/$uninstall_key/,/^\[/p" "$WINEPREFIX/system.reg" | sed -n "s/^\"$1\"=//p" | head -1
}
probe="$build/bin/TavrelWindowProbe.exe"
# The installed wizard, started as the Start-menu entry would not be: from another folder.
start_wizard() {
  (cd "$work" && exec "$wine" "$inst/TavrelHost.exe" >"$work/host.log" 2>&1) &
  "$wine" "$probe" wait "Choose a Task" 60 >/dev/null 2>&1
}
stop_wizard() {
  "$wine" taskkill /f /im TavrelHost.exe >/dev/null 2>&1 || true
  wait || true
  wineserver -w
}

# The older version: the installer's script made again with an older version number.
older="$work/Tavrel-0.9.0-win64.exe"
sed -e '/^ *Push "DisplayVersion"/{n;s/.*/  Push "0.9.0"/}' \
    -e "s|^ *OutFile .*|OutFile \"$older\"|" "$script" >"$work/older.nsi"
# (Its files are named relative to CPack's folder.)
(cd "$(dirname "$script")" && makensis -NOCD -V1 "$work/older.nsi" >/dev/null) ||
  fail "could not make the older version's installer"

# A folder other than the default, given with /D= (which takes no quotes, so no spaces here:
# wine would quote the argument).
folder='C:\Tools\Tavrel'
inst="$WINEPREFIX/drive_c/Tools/Tavrel"
echo "== silent install of the older version into $folder"
"$wine" "$older" /S "/D=$folder" || fail "the older version's installer failed"
wineserver -w
[ "$(uninstall_value DisplayVersion)" = '"0.9.0"' ] || fail "the older version is not what is installed"

echo "== a setting stored by the owner"
drivers="$work/driver"; mkdir -p "$drivers"
printf '[Capability]\r\nPackage Test Color=PKG100\r\n[PKG100]\r\nCCMInfoFile=PKG100CM.INI\r\nCCMVersion=0310\r\nLocalPrinterOnly=0\r\n' \
  >"$drivers/XVPKG100.CAP"
table=$(python3 -c 'print("".join("%02X" % ((i * 7 + 3) % 256) for i in range(228)))')
printf '[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=House\r\nCCMNT0=%s\r\nCCMNV0=%s\r\n[Gamma]\r\nSettingNum=0\r\n' \
  "$table" "$table" >"$drivers/PKG100CM.INI"
"$wine" "$build/bin/TavrelAddPrinter.exe" "Package Printer" "Package Test Color" \
  "Z:$drivers/XVPKG100.CAP" "Z:$drivers/PKG100CM.INI" || fail "could not register the test printer"
data="$inst/Tintora/Package Test Color/UCD0.dat"
mkdir -p "$(dirname "$data")"
python3 "$root/tools/make-demo-data.py" colour "$data" 0 9:1:2
cp "$data" "$work/UCD0.dat.stored"
listing=$(cd "$work" && "$wine" "$inst/TavrelSettings.exe" list "Package Printer" 2>&1) || true
grep -q "^colour	House	0" <<<"$listing" || fail "the stored setting is not listed: $listing"

echo "== the wizard from another folder; installer and uninstaller refuse while it runs"
if start_wizard; then
  # (No `wineserver -w` here: it would wait for the wizard.)
  status=0; "$wine" "$installer" /S || status=$?
  [ $status -eq 5 ] || fail "the installer ran while the wizard was open (exit code $status, not 5)"
  [ "$(uninstall_value DisplayVersion)" = '"0.9.0"' ] || fail "the installer changed the installation under the wizard"
  status=0; "$wine" "$inst/Uninstall.exe" /S "_?=$folder" || status=$?
  [ $status -eq 5 ] || fail "the uninstaller ran while the wizard was open (exit code $status, not 5)"
  check_file "$inst/TAVREL.dll"
else
  fail "the wizard started from another folder did not show its first page: $(cat "$work/host.log")"
fi
stop_wizard

echo "== silent upgrade"
"$wine" "$installer" /S || fail "the upgrade failed"
wineserver -w
[ "$(uninstall_value DisplayVersion)" = "\"$(sed -n 's/^MainVersion=//p' "$build/package/version.txt" | tr -d '\r')\"" ] ||
  fail "the upgrade did not install the new version: $(uninstall_value DisplayVersion)"
cmp -s "$data" "$work/UCD0.dat.stored" || fail "the upgrade changed or removed the owner's data file"
status=0
mkdir -p "$work/export"
(cd "$work" && "$wine" "$inst/TavrelSettings.exe" export "Package Printer" "Z:$work/export/house.ccm" House >/dev/null 2>&1) ||
  status=$?
[ $status -eq 0 ] && [ -f "$work/export/house/house.ccm" ] ||
  fail "the stored setting does not open after the upgrade (export exited with $status)"

# Every file of the install tree, and nothing else but the uninstaller.
expected="$work/expected"
cmake --install "$build" --prefix "$expected" >/dev/null
(cd "$expected" && find . -type f | sort) >"$work/expected.txt"
echo ./Uninstall.exe >>"$work/expected.txt"; sort -o "$work/expected.txt" "$work/expected.txt"
if [ -d "$inst" ]; then (cd "$inst" && find . -type f -not -path './Tintora/Package Test Color/*' | sort) >"$work/installed.txt"; else : >"$work/installed.txt"; fi
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
shortcut=$(find "$menus" -name 'Printer Colour Utility.lnk' | head -1)
if [ -z "$shortcut" ]; then
  fail "no Start-menu entry for the wizard"
else
  # The wizard reads "Tintora\Tavrel.ini" from its current folder: the shortcut starts it there.
  strings -el "$shortcut" | grep -qxF "$folder" || fail "the wizard's shortcut does not start in $folder"
fi
grep -q "$uninstall_key" "$WINEPREFIX/system.reg" || fail "no uninstall registry key"
[ "$(uninstall_value DisplayName)" = '"Printer Colour Utility"' ] || fail "uninstall entry named $(uninstall_value DisplayName)"
uninstall_value DisplayIcon | grep -q 'TavrelHost.exe' || fail "the uninstall entry shows no icon of ours"
uninstall_value EstimatedSize | grep -q '^dword:0000[0-9a-f]*[1-9a-f]' || fail "the uninstall entry has no size"

echo "== the settings tool on the printer registered through the spooler"
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
# Only the owner's settings stay: the data folder of the printer's driver, nothing else.
left=$(cd "$inst" 2>/dev/null && find . -type f | sort)
[ "$left" = "./Tintora/Package Test Color/UCD0.dat" ] || fail "after the uninstall the folder holds: $left"
cmp -s "$data" "$work/UCD0.dat.stored" || fail "the uninstall changed or removed the owner's data file"
grep -q '^SettingName0=House' "$drivers/PKG100CM.INI" || fail "the uninstall changed the driver's catalogue"
left=$(find "$menus" -name '*Printer Colour Utility*')
[ -z "$left" ] || fail "Start-menu entries left: $left"
! grep -q "$uninstall_key" "$WINEPREFIX/system.reg" || fail "uninstall registry key left"
rm -rf "$inst"

echo "== the MSI, silently"
cmake --build "$build" --target msi >"$work/msi.log" 2>&1 || cat "$work/msi.log"
msi=$(ls -t "$build"/dist/*.msi 2>/dev/null | head -1 || true)
if [ ! -f "$msi" ]; then
  fail "no MSI package"
else
  msi_dir="$WINEPREFIX/drive_c/Program Files/Printer Colour Utility"
  "$wine" msiexec /i "Z:$msi" /qn || fail "msiexec /i failed"
  wineserver -w
  if [ -d "$msi_dir" ]; then (cd "$msi_dir" && find . -type f | sort) >"$work/msi-installed.txt"; else : >"$work/msi-installed.txt"; fi
  grep -v '^./Uninstall.exe$' "$work/expected.txt" | diff -u - "$work/msi-installed.txt" ||
    fail "the MSI's files differ from the install tree"
  # Wine's msiexec puts a per-machine package's shortcuts in the user's Start menu.
  shortcut=$(find "$WINEPREFIX/drive_c" -name 'Printer Colour Utility.lnk' | head -1)
  if [ -z "$shortcut" ]; then
    fail "the MSI made no Start-menu entry"
  else
    strings -el "$shortcut" | grep -qiE 'C:\\Program Files\\Printer Colour Utility\\?$' ||
      fail "the MSI's shortcut does not start in its folder"
  fi
  status=0
  listing=$(cd "$work" && "$wine" "$msi_dir/TavrelSettings.exe" printers 2>&1) || status=$?
  [ $status -eq 0 ] && grep -q "^Package Printer	Package Test Color	0310	" <<<"$listing" ||
    fail "the MSI's TavrelSettings printers: exit $status, $listing"
  "$wine" msiexec /x "Z:$msi" /qn || fail "msiexec /x failed"
  wineserver -w
  [ ! -d "$msi_dir" ] || { fail "left behind by the MSI:"; (cd "$msi_dir" && find . | sed 's/^/  /'); }
  left=$(find "$WINEPREFIX/drive_c" -name '*Printer Colour Utility*')
  [ -z "$left" ] || fail "left by the MSI: $left"
  ! grep -qi 'Printer Colour Utility' "$WINEPREFIX/system.reg" || fail "registry entries left by the MSI"
fi

if [ $failures -ne 0 ]; then echo "package test: $failures failure(s)"; exit 1; fi
echo "package test: passed"
