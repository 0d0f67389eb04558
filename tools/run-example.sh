#!/usr/bin/env bash
# Replays a command script through the host on a fresh demo machine (used by ctest).
#
#   tools/run-example.sh BIN SCRIPT            passes when the host exits 0
#   tools/run-example.sh BIN SCRIPT --refused  passes when the host exits 1 and reports a
#                                              refused step on standard error
# BIN is the Linux build's bin folder (TavrelHost, TAVREL.dll and the stand-in libraries).
set -uo pipefail
bin=$(cd "$1" && pwd); script=$2; mode=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tools/make-demo-machine.sh" "$work/demo" "$bin" >/dev/null || exit 2
TAVREL_MACHINE="$work/demo/machine.ini" "$bin/TavrelHost" --script "$script" >"$work/out" 2>"$work/err"
status=$?
cat "$work/err" >&2
if [[ "$mode" == "--refused" ]]; then
  [[ $status -eq 1 ]] || { echo "expected exit status 1, got $status" >&2; exit 1; }
  grep -q '^step [0-9]* (.*): ' "$work/err" || { echo "no refused step was reported" >&2; exit 1; }
  exit 0
fi
[[ $status -eq 0 ]] || { echo "the host exited with $status" >&2; exit 1; }
