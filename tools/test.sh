#!/usr/bin/env bash
# Builds and tests both targets: Linux (native, sanitizers) and Windows (mingw-w64, under Wine),
# the latter with the headless framework backend (scenario tests), on real windows (windows-ui),
# and as released (windows-release: its exports, and its package installed and removed again).
# Usage: tools/test.sh [linux|windows|windows-ui|windows-release]...   (default: all four)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux windows windows-ui windows-release)
jobs=$(nproc 2>/dev/null || echo 2)
status=0
for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  if ! ctest --preset "$preset" --timeout 900; then status=1; fi
done
exit $status
