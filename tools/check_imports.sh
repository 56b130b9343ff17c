#!/usr/bin/env bash
# Fails unless the DLL imports from KERNEL32, USER32, GDI32 and msvcrt only.
# Usage: check_imports.sh OBJDUMP TARN32.dll
set -euo pipefail
objdump=$1 dll=$2
mapfile -t dlls < <("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
bad=0
for d in "${dlls[@]}"; do
  case "$d" in
    kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll) echo "import: $d" ;;
    *) echo "unexpected import: $d"; bad=1 ;;
  esac
done
[ "${#dlls[@]}" -gt 0 ] || { echo "no import table read from $dll"; exit 1; }
exit $bad
