#!/usr/bin/env bash
# Makes the MSI package of a Windows build from its install tree, with wixl (Debian "wixl").
#   tools/make-msi.sh BUILD_FOLDER WXS ICON OUTPUT.msi
# WXS is the configured package/windows/Tavrel.wxs; the files come from `cmake --install`.
set -euo pipefail
build=$(cd "$1" && pwd)
wxs="$2"
icon="$3"
output="$4"
work="$build/msi"
rm -rf "$work"; mkdir -p "$work" "$(dirname "$output")"
cmake --install "$build" --prefix "$work/stage" >/dev/null
cp "$icon" "$work/product.ico"
cp "$wxs" "$work/product.wxs"
# Every file of the install tree, each in its own component under INSTALLDIR. wixl takes source
# paths relative to the folder it runs in.
cd "$work"
find stage -type f | sort |
  wixl-heat -p stage/ --var var.StageDir --directory-ref INSTALLDIR --component-group ProductFiles --win64 >files.wxs
wixl --arch x64 -D Win64=yes -D StageDir=stage -D IconFile=product.ico -o "$output" product.wxs files.wxs
echo "$output"
