#!/usr/bin/env bash
# Builds both architectures and writes the SDK: dist/TARN32-<version>.zip with
# an x86/ tree (the shipped 32-bit DLL) and an x64/ tree, each laid out by
# cmake --install (bin/, lib/ with both import libraries and the CMake
# package, include/, share/doc/tarn32/ with the reference manual, LICENSE).
# Works on a fresh Debian machine: installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN32_BUILD_DIR:-$root/build}
bash "$root/tools/setup_machine.sh"
# The manual is part of the SDK: a build without Doxygen must not pass for one.
for arch in i686 x86_64; do
  [ ! -f "$build/$arch/CMakeCache.txt" ] || cmake -S "$root" -B "$build/$arch" -DTARN32_BUILD_DOCS=ON >/dev/null
done
TARN32_ARCHES="i686 x86_64" bash "$root/tools/build.sh"
version=$(sed -n 's/^project(TARN32 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
stage="$build/sdk-stage"
rm -rf "$stage" && mkdir -p "$stage"
cmake --install "$build/i686" --prefix "$stage/x86" >/dev/null
cmake --install "$build/x86_64" --prefix "$stage/x64" >/dev/null
for tree in x86 x64; do
  for file in bin/TARN32.dll bin/TARN32.dll.debug lib/libTARN32.dll.a lib/TARN32.lib include/tarn32.h \
              lib/cmake/TARN32/TARN32Config.cmake lib/cmake/TARN32/TARN32ConfigVersion.cmake \
              share/doc/tarn32/html/index.html share/doc/tarn32/README.md LICENSE; do
    [ -f "$stage/$tree/$file" ] || { echo "missing from the $tree tree: $file"; exit 1; }
  done
done
mkdir -p "$root/dist"
zip_file="$root/dist/TARN32-$version.zip"
rm -f "$zip_file"
(cd "$stage" && TZ=UTC zip -qrX "$zip_file" x86 x64)
rm -rf "$stage"
echo "SDK: $zip_file ($(du -h "$zip_file" | cut -f1))"
