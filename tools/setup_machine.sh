#!/usr/bin/env bash
# Installs what building and testing TARN32 needs on a Debian machine, skipping
# what is already there. Safe to run again.
set -euo pipefail
need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_cmd cmake || need+=(cmake)
have_cmd make || need+=(make)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have_cmd x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have_cmd xvfb-run || need+=(xvfb xauth)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have_cmd python3 || need+=(python3)
# The SDK: the reference manual, the MSVC-style import library and the
# consumers built with clang and lld-link, the zip.
have_cmd doxygen || need+=(doxygen)
have_cmd llvm-dlltool || need+=(llvm)
have_cmd clang || need+=(clang)
have_cmd lld-link || need+=(lld)
have_cmd zip || need+=(zip)
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
# 32-bit Wine runs the i686 suite when the package can be had; it is optional,
# so a failure only means that suite is skipped. Tried once per machine, and
# never allowed to remove anything that is installed.
tried=/var/tmp/tarn32-wine32-tried
if [ ! -x /usr/lib/wine/wine ] && [ ! -f "$tried" ] && [ "$(id -u)" -eq 0 ]; then
  touch "$tried" 2>/dev/null || true
  if dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386 && apt-get update -qq; }; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends --no-remove wine32 >/dev/null 2>&1 \
      || echo "wine32 is not installable here; the i686 suite will be skipped"
  fi
fi
