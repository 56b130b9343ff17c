#!/usr/bin/env bash
# Builds tests/sdk/cmake_consumer against an installed SDK tree, checks which
# versions the package answers, and runs the program (unless
# TARN32_SDK_BUILD_ONLY=1, for an architecture this machine cannot run).
# Usage: cmake_consumer.sh PREFIX TOOLCHAIN_FILE WORK_DIR EMULATOR
set -euo pipefail
prefix=$1 toolchain=$2 work=$3 emulator=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
cmake -S "$here/cmake_consumer" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build"

# The version file: 3.5.1.19 answers exactly that version and any 3.5.x.
answers() {  # answers REQUEST [EXACT] -> 0 when find_package finds the tree
  mkdir -p "$work/v" && rm -rf "$work/v/build"
  printf 'cmake_minimum_required(VERSION 3.20)\nproject(v NONE)\nfind_package(TARN32 %s %s CONFIG REQUIRED)\n' \
    "$1" "${2:-}" > "$work/v/CMakeLists.txt"
  cmake -S "$work/v" -B "$work/v/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null 2>&1
}
for want in 3.5 3.5.0 3.5.1.19 "3.5.1.19 EXACT"; do
  answers $want || { echo "the package refuses a request for $want"; exit 1; }
done
for want in 3.4 3.6 4.0 "3.5.1.18 EXACT" "3.5.1.20"; do
  if answers $want; then echo "the package answers a request for $want"; exit 1; fi
done
echo "version requests answered as expected"

if [ "${TARN32_SDK_BUILD_ONLY:-0}" = 1 ]; then
  echo "built; not run (this machine cannot run the architecture)"
  exit 0
fi
cd "$work/build" && "$emulator" ./consumer.exe
