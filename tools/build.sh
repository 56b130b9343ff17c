#!/usr/bin/env bash
# Configures and builds TARN32 for i686 (the shipped DLL) and x86_64 into build/<arch>
# (or $TARN32_BUILD_DIR/<arch>, so that several trees can be built side by side).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
for arch in ${TARN32_ARCHES:-i686 x86_64}; do
  dir="${TARN32_BUILD_DIR:-$root/build}/$arch"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" >/dev/null
  fi
  echo "== building $arch"
  log="$dir/build.log"
  if cmake --build "$dir" -j "$jobs" -- --no-print-directory >"$log" 2>&1; then ok=1; else ok=0; fi
  # Only warnings and errors are worth showing; progress lines are not.
  grep -v -E '^\[ *[0-9]+%\]|^(Consolidate|Scanning|Built target)' "$log" || true
  [ $ok = 1 ] || { echo "build of $arch failed"; exit 1; }
done
