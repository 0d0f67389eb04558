#!/usr/bin/env bash
# Checks that a library exports exactly the functions named, nothing more.
#   check-exports.sh OBJDUMP|nm LIBRARY NAME...
# Windows DLLs are read with objdump's export table, Linux libraries with nm's dynamic symbols.
set -euo pipefail
tool="$1"; library="$2"; shift 2
expected=$(printf '%s\n' "$@" | sort)
if [ "$(basename "$tool")" = nm ]; then
  actual=$("$tool" -D --defined-only "$library" | awk '$2 ~ /^[TtWwDdBbRr]$/ {print $3}' | sort)
else
  # The name pointer table lists one "[ n] +base[ ord] NAME" line per exported name.
  actual=$("$tool" -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
           sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\].*[[:space:]]\([^[:space:]]*\)$/\1/p' | sort)
fi
if [ "$actual" != "$expected" ]; then
  echo "$library exports:"; echo "${actual:-(nothing)}"
  echo "expected:"; echo "$expected"
  exit 1
fi
echo "$library exports only: $(echo $expected)"
