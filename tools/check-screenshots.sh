#!/usr/bin/env bash
# Checks a folder of pictures made by tools/screenshots.sh against the committed set: every
# picture of docs/screenshots and of its language folders is there, and none is blank (a window
# that showed nothing).
#   tools/check-screenshots.sh FOLDER [REFERENCE_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder="$1"
reference="${2:-$root/docs/screenshots}"
magick=/usr/bin/convert
[ -x /usr/bin/magick ] && magick=/usr/bin/magick
failures=0
count=0
# The English pictures, and those of every language in a folder of its own.
for expected in "$reference"/*.png "$reference"/*/*.png; do
  [ -f "$expected" ] || continue
  name=${expected#"$reference"/}
  count=$((count + 1))
  if [ ! -f "$folder/$name" ]; then echo "FAIL: $name was not made"; failures=$((failures + 1)); continue; fi
  # A page or dialog shows text, pictures and frames: far more than a handful of colours.
  colours=$("$magick" "$folder/$name" -format %k info:)
  if [ "$colours" -lt 16 ]; then echo "FAIL: $name is blank ($colours colours)"; failures=$((failures + 1)); fi
done
if [ "$count" -eq 0 ]; then echo "FAIL: no pictures in $reference"; exit 1; fi
if [ $failures -ne 0 ]; then echo "screenshots: $failures of $count failed"; exit 1; fi
echo "screenshots: all $count made and not blank"
