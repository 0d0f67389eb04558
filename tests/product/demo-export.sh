#!/usr/bin/env bash
# A newcomer's first export on the demo machine: every stored setting of its "EMF" printer is
# exported by the settings tool with its data file and profiles, so the tool exits 0 and says
# only that it is done.
#
#   tests/product/demo-export.sh BIN     BIN: the Linux build's bin folder
set -uo pipefail
bin=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tools/make-demo-machine.sh" "$work/demo" "$bin" >/dev/null || exit 2
TAVREL_MACHINE="$work/demo/machine.ini" "$bin/TavrelSettings" export "Office Printer" "$work/house.ccm" \
  "Warm Office" "Brochure" "Soft Gamma" >/dev/null 2>"$work/err"
status=$?
cat "$work/err" >&2
[[ $status -eq 0 ]] || { echo "the export exited with $status" >&2; exit 1; }
[[ $(wc -l <"$work/err") -eq 1 ]] || { echo "the export said more than that it is done" >&2; exit 1; }
for f in UCD0.dat UCD1.dat UGD0.dat 01C0.ICB 02C1.ICB 03G0.ICB; do
  [[ -s "$work/house/$f" ]] || { echo "the setting folder lacks $f" >&2; exit 1; }
done
