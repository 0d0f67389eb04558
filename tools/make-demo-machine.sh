#!/usr/bin/env bash
# Lays out a demo machine in folder $1 whose libraries are searched in $2.
set -euo pipefail
demo="$1"; bin="$2"
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

for f in OC5000.DLL OC5000UI.DLL SC7000.DLL SC7000UI.DLL PLAIN.DLL; do printf 'driver' >"$drivers/$f"; done

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

crlf >"$utility/Tavrel.ini" <<'INI'
[Manufacture]
FileHeader=XV
[Font]
FontName=Arial
[HelpFile]
FileName=TAVREL.HLP
[CCMVer0300]
Module=TVCCM300.DLL
IccModule=TVICC.DLL
PrintMode=EMF
ColorTestFile=CTEST300.EMF
GammaTestFile=GTEST300.EMF
SampleFile=SAMPLE300.EMF
[CCMVer0310]
Module=TVCCM310.DLL
PrintMode=RAW
ColorTestFile=CTEST310.PRN
GammaTestFile=GTEST310.PRN
SampleFile=SAMPLE310.PRN
DataSize=00000228
DefaultSettingVerShare=SharedDefaults
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
Name=Plain Laser
Version=3
DriverPath=$d\PLAIN.DLL
[Printer]
Name=Office Printer
Port=LPT1:
Driver=Office Color 5000
[Printer]
Name=Design Studio
Port=USB001
Driver=Studio Color 7000
[Printer]
Name=Hall Laser
Port=LPT2:
Driver=Plain Laser
INI
