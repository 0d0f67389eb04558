#!/usr/bin/env bash
# Writes the test and sample pages that "Tavrel.ini" names into the utility folder $1:
# metafiles (portrait A4, the colour test page landscape) for the metafile print modes, and a
# printer-language file for the raw modes.
set -euo pipefail
utility="$1"
mkdir -p "$utility"

dw() {  # dw VALUE: a little-endian 32-bit word
  local v=$1
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))"
}
emf() {  # emf WIDTH HEIGHT: a metafile page of that frame (hundredths of a mm), no drawing
  dw 1; dw 108; dw 0; dw 0; dw 0; dw 0; dw 0; dw 0; dw "$1"; dw "$2"
  dw 0x464D4520; dw 0x10000; dw 128; dw 2; dw 1  # signature, version, bytes, records, handles
  local i; for ((i = 0; i < 12; i++)); do dw 0; done
  dw 14; dw 20; dw 0; dw 16; dw 20  # end-of-file record
}

for v in 300 320 340; do
  emf 29700 21000 >"$utility/CTEST$v.EMF"
  emf 21000 29700 >"$utility/GTEST$v.EMF"
  emf 21000 29700 >"$utility/SAMPLE$v.EMF"
done
for v in 310 330 331; do
  for page in CTEST GTEST SAMPLE; do
    printf '\033%%-12345X@PJL ENTER LANGUAGE=PCL\r\n%s page %s\r\n\033%%-12345X' "$page" "$v" >"$utility/$page$v.PRN"
  done
done
