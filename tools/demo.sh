#!/usr/bin/env bash
# Builds the Linux target, lays out a demo machine (a supported printer per test-print mode
# and an unsupported one, their capability files and catalogues, the utility folder with
# "Tavrel.ini" and the version file) and runs the wizard on it in this terminal.
#
#   tools/demo.sh                    the wizard, commands typed in the terminal ("help" lists them)
#   tools/demo.sh "Office Printer"   the same with the printer named by the caller
#   tools/demo.sh --script FILE      the wizard driven by a command script
#   tools/demo.sh --probe            what the utility sees on the demo machine, without the wizard
#   tools/demo.sh --windows [PRINTER]
#                                    the Windows wizard on real windows under Wine, on this
#                                    display, on the same demo machine (a private Wine prefix
#                                    in build/windows-ui/demo-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [[ "${1:-}" == "--windows" ]]; then
  shift
  if [ -z "${DISPLAY:-}" ]; then echo "demo: --windows needs a display (DISPLAY is not set)" >&2; exit 2; fi
  tools/install-deps.sh
  cmake --preset windows-ui >/dev/null
  cmake --build --preset windows-ui -j "$(nproc 2>/dev/null || echo 2)" --target TavrelHost TAVREL TVCCM.dll TVICC.dll \
    dialogs_enu strings_enu vemrload TavrelAddPrinter TavrelWindowProbe help_file >/dev/null
  # shellcheck source=tools/wine-desktop.sh
  source tools/wine-desktop.sh
  echo "Laying out the demo machine in a Wine prefix (build/windows-ui/demo-windows) ..."
  wd_lay_out build/windows-ui/demo-windows build/windows-ui/bin 1024x768
  trap wd_stop EXIT
  wd_start_host "$@"
  wait "$wd_host_pid" || true
  exit 0
fi
probe=0
if [[ "${1:-}" == "--probe" ]]; then probe=1; shift; fi
tools/install-deps.sh
cmake --preset linux >/dev/null
jobs="$(nproc 2>/dev/null || echo 2)"
if ((probe)); then
  cmake --build --preset linux -j "$jobs" --target catalog_probe demo_profiles vemrload strings_enu dialogs_enu >/dev/null
else
  cmake --build --preset linux -j "$jobs" --target TavrelHost demo_profiles >/dev/null
fi
demo="$root/build/demo"
"$root/tools/make-demo-machine.sh" "$demo" "$root/build/linux/bin"
echo "Demo machine: $demo/machine.ini (drive C: is $demo/c)"
echo
export TAVREL_MACHINE="$demo/machine.ini"
if ((probe)); then
  exec "$root/build/linux/bin/catalog_probe"
fi
exec "$root/build/linux/bin/TavrelHost" "$@"
