#!/usr/bin/env bash
# Prints how many of the functions in tools/ordinals.txt a built TARN32.dll
# exports, and which ones are still missing.
# Usage: tools/count_exports.sh path/to/TARN32.dll
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dll=${1:-build/x86_64/bin/TARN32.dll}
objdump=objdump
command -v x86_64-w64-mingw32-objdump >/dev/null && objdump=x86_64-w64-mingw32-objdump
exported=$("$objdump" -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^$/{t=0}')
total=0 have=0 missing=()
while read -r name ord _; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  total=$((total+1))
  if grep -qx "$name" <<<"$exported"; then have=$((have+1)); else missing+=("$name"); fi
done < "$here/ordinals.txt"
echo "$have of $total functions exported"
[ ${#missing[@]} -eq 0 ] || printf 'missing: %s\n' "${missing[@]}" | head -200
