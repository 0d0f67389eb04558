#!/usr/bin/env bash
# Lays out a demo machine in folder $1 whose libraries are searched in $2: one supported printer
# per test-print mode (EMF, EMF_INTERNAL, EMF_INTERNAL_XPS, raw 3.10, 3.30 and 3.31) and one
# unsupported printer.
set -euo pipefail
demo="$1"; bin=$(cd "$2" && pwd)
rm -rf "$demo"; mkdir -p "$demo"
c="$demo/c"
drivers="$c/Windows/System32/spool/DRIVERS/x64/3"
utility="$c/Program Files/Tavrel Host/Tintora"
mkdir -p "$drivers" "$utility" "$c/Windows/Temp"

crlf() { sed 's/$/\r/'; }
hex() {  # hex TABLE_BYTES SEED: a deterministic table as "%02X" text
  local n=$1 seed=$2 out="" i
  for ((i = 0; i < n; i++)); do out+=$(printf '%02X' $(((i * 7 + seed) % 256))); done
  printf '%s' "$out"
}

for f in OC5000.DLL OC5000UI.DLL SC7000.DLL SC7000UI.DLL PLAIN.DLL OC6000.DLL OC6000UI.DLL OC8000.DLL \
  OC8000UI.DLL SC7100.DLL SC7100UI.DLL SC6900.DLL SC6900UI.DLL; do printf 'driver' >"$drivers/$f"; done

crlf >"$drivers/XVOC5000.CAP" <<'INI'
[Capability]
Office Color 5000=OC5000
[OC5000]
CCMInfoFile=OC5000CM.INI
CCMVersion=0300
LocalPrinterOnly=0
INI
crlf >"$drivers/XVSC7000.CAP" <<'INI'
[Capability]
Studio Color 7000=SC7000
[SC7000]
CCMInfoFile=SC7000CM.INI
CCMVersion=0310
LocalPrinterOnly=1
INI
crlf >"$drivers/OC5000CM.INI" <<INI
[Color]
SettingNum=2
SettingID0=0
SettingID1=2
SettingName0=Warm Office
SettingName2=Brochure
CCMNT0=$(hex 228 1)
CCMNV0=$(hex 228 2)
CCMNT2=$(hex 228 3)
CCMNV2=$(hex 228 4)
[Gamma]
SettingNum=1
SettingID0=0
SettingName0=Soft Gamma
Soft Gamma=1
CCMNT0=$(hex 228 5)
CCMNV0=$(hex 228 6)
INI
crlf >"$drivers/SC7000CM.INI" <<'INI'
[Color]
SettingNum=0
[Gamma]
SettingNum=0
INI

# One more model per test-print mode: metafile prints with the tables in the device mode (NT and
# XPS driver families), and raw downloads of both PJL forms.
cap() {  # cap FILE DRIVER MODEL CATALOGUE VERSION
  crlf >"$drivers/$1" <<INI
[Capability]
$2=$3
[$3]
CCMInfoFile=$4
CCMVersion=$5
LocalPrinterOnly=0
INI
}
cap XVOC6000.CAP "Office Color 6000" OC6000 OC6000CM.INI 0320
cap XVOC8000.CAP "Office Color 8000 XPS" OC8000 OC8000CM.INI 0340
cap XVSC7100.CAP "Studio Color 7100" SC7100 SC7100CM.INI 3.31
cap XVSC6900.CAP "Studio Color 6900" SC6900 SC6900CM.INI 3.30
crlf >"$drivers/OC6000CM.INI" <<INI
[Color]
SettingNum=1
SettingID0=0
SettingName0=Team Colours
CCMNT0=$(hex 228 7)
CCMNV0=$(hex 228 8)
[Gamma]
SettingNum=0
INI
for f in OC8000CM.INI SC7100CM.INI SC6900CM.INI; do
  printf '[Color]\nSettingNum=0\n[Gamma]\nSettingNum=0\n' | crlf >"$drivers/$f"
done

crlf >"$utility/Tavrel.ini" <<'INI'
[Manufacture]
FileHeader=XV
[Font]
FontName=Arial
[HelpFile]
FileName=Tavrel.chm
[CCMVer0300]
Module=TVCCM.DLL
IccModule=TVICC.DLL
PrintMode=EMF
ColorTestFile=CTEST300.EMF
GammaTestFile=GTEST300.EMF
SampleFile=SAMPLE300.EMF
[CCMVer0310]
Module=TVCCM.DLL
PrintMode=RAW
ColorTestFile=CTEST310.PRN
GammaTestFile=GTEST310.PRN
SampleFile=SAMPLE310.PRN
DataSize=000000E4
DefaultSettingVerShare=SharedDefaults
[CCMVer0320]
Module=TVCCM.DLL
PrintMode=EMF_INTERNAL
ColorTestFile=CTEST320.EMF
GammaTestFile=GTEST320.EMF
SampleFile=SAMPLE320.EMF
[CCMVer0340]
Module=TVCCM.DLL
PrintMode=EMF_INTERNAL_XPS
ColorTestFile=CTEST340.EMF
GammaTestFile=GTEST340.EMF
SampleFile=SAMPLE340.EMF
[CCMVer3.31]
Module=TVCCM.DLL
PrintMode=RAW
ColorTestFile=CTEST331.PRN
GammaTestFile=GTEST331.PRN
SampleFile=SAMPLE331.PRN
DataSize=000000E4
[CCMVer3.30]
Module=TVCCM.DLL
PrintMode=RAW
ColorTestFile=CTEST330.PRN
GammaTestFile=GTEST330.PRN
SampleFile=SAMPLE330.PRN
DataSize=000000E4
[DefaultSettingVer0320]
Standard=0
Vivid=1
Photo=2
[DefaultSettingVer0340]
Standard=0
Vivid=1
Photo=2
[DefaultSettingVer3.31]
Standard=0
Presentation=3
[DefaultSettingVer3.30]
Standard=0
Presentation=3
[DefaultSettingVer0300]
Standard=0
Vivid=1
Photo=2
[SharedDefaults]
Standard=0
Presentation=3
[StringSet1]
Standard=0
INI

# The stored settings' data files, where the wizard keeps them (Tintora\<driver name>\).
data() { mkdir -p "$utility/$1"; python3 "$(dirname "$0")/make-demo-data.py" "$2" "$utility/$1/$3" "${@:4}"; }
data "Office Color 5000" colour UCD0.dat 0 9:1:2 17:-1:2 21:0:-2
data "Office Color 5000" colour UCD2.dat 0 13:0:3 27:1:0 29:-2:1
data "Office Color 5000" gamma UGD0.dat 1 2.0 0:-2:30
data "Office Color 6000" colour UCD0.dat 0 9:2:1 16:0:2

# The help file, as the build made it (with its text for the terminal help on Linux).
for f in Tavrel.chm Tavrel.chm.txt; do
  if [ -f "$bin/$f" ]; then cp "$bin/$f" "$utility/"; fi
done

# Test and sample pages, as the product ships them.
"$(dirname "$0")/make-test-pages.sh" "$utility"

# The about box reads the version file from the current folder (the host's folder).
crlf >"$c/Program Files/Tavrel Host/version.txt" <<'INI'
[Version]
MainVersion=1.00.0 (demo)
Copyright=Demo build
INI

d='C:\Windows\System32\spool\DRIVERS\x64\3'
cat >"$demo/machine.ini" <<INI
[Machine]
ComputerName=DEMO-PC
ExePath=C:\Program Files\Tavrel Host\host.exe
CurrentDirectory=C:\Program Files\Tavrel Host
Administrator=1
LibraryPath=$bin
[Drives]
C=$c
[Driver]
Name=Office Color 5000
Version=3
DriverPath=$d\OC5000.DLL
ConfigFile=$d\OC5000UI.DLL
DependentFiles=XVOC5000.CAP;OC5000CM.INI
[Driver]
Name=Studio Color 7000
Version=3
DriverPath=$d\SC7000.DLL
ConfigFile=$d\SC7000UI.DLL
DependentFiles=$d\XVSC7000.CAP;SC7000CM.INI
[Driver]
Name=Office Color 6000
Version=3
DriverPath=$d\OC6000.DLL
ConfigFile=$d\OC6000UI.DLL
DependentFiles=XVOC6000.CAP;OC6000CM.INI
[Driver]
Name=Office Color 8000 XPS
Version=3
DriverPath=$d\OC8000.DLL
ConfigFile=$d\OC8000UI.DLL
DependentFiles=XVOC8000.CAP;OC8000CM.INI
[Driver]
Name=Studio Color 7100
Version=3
DriverPath=$d\SC7100.DLL
ConfigFile=$d\SC7100UI.DLL
DependentFiles=XVSC7100.CAP;SC7100CM.INI
[Driver]
Name=Studio Color 6900
Version=3
DriverPath=$d\SC6900.DLL
ConfigFile=$d\SC6900UI.DLL
DependentFiles=XVSC6900.CAP;SC6900CM.INI
[Driver]
Name=Plain Laser
Version=3
DriverPath=$d\PLAIN.DLL
[Printer]
Name=Office Printer
Port=LPT1:
Driver=Office Color 5000
DriverExtra=2100
[Printer]
Name=Design Studio
Port=USB001
Driver=Studio Color 7000
[Printer]
Name=Team Printer
Port=LPT3:
Driver=Office Color 6000
DriverExtra=2100
[Printer]
Name=Front Desk XPS
Port=USB002
Driver=Office Color 8000 XPS
DriverExtra=2100
FinishJobs=after 4 queries
[Printer]
Name=Photo Lab
Port=USB003
Driver=Studio Color 7100
[Printer]
Name=Proof Room
Port=LPT4:
Driver=Studio Color 6900
[Printer]
Name=Hall Laser
Port=LPT2:
Driver=Plain Laser
INI

# A Linux build's libraries, laid out as an installation has them: ours beside the host program
# (the utility loads them from its own folder only), the help engine in System32. Then the stored
# settings of the "EMF" printer get the profiles saving them would have built.
if [ "$(od -An -c -N4 "$bin/vemrload.dll" 2>/dev/null | tr -d ' ')" = '177ELF' ]; then
  mkdir -p "$c/Windows/System32"
  for f in "$bin"/TAVREL.dll "$bin"/vemrload.dll "$bin"/XV*.dll "$bin"/TVCCM.dll "$bin"/TVICC.dll; do
    if [ -f "$f" ]; then ln -sf "$f" "$c/Program Files/Tavrel Host/"; fi
  done
  if [ -f "$bin/hhctrl.ocx" ]; then ln -sf "$bin/hhctrl.ocx" "$c/Windows/System32/"; fi
  if [ -x "$bin/demo_profiles" ]; then
    TAVREL_MACHINE="$demo/machine.ini" "$bin/demo_profiles" >/dev/null
  else
    echo "make-demo-machine: $bin/demo_profiles is not built; the stored settings have no profiles" >&2
  fi
fi
