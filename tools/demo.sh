#!/usr/bin/env bash
# Builds the Linux target, lays out a demo machine (two supported printer models and one
# unsupported printer, their capability files and catalogues, the utility folder with
# "Tavrel.ini") and shows what the utility sees there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc 2>/dev/null || echo 2)" --target catalog_probe vemrload strings_enu dialogs_enu >/dev/null
demo="$root/build/demo"
"$root/tools/make-demo-machine.sh" "$demo" "$root/build/linux/bin"
echo "Demo machine: $demo/machine.ini (drive C: is $demo/c)"
echo
TAVREL_MACHINE="$demo/machine.ini" "$root/build/linux/bin/catalog_probe"
