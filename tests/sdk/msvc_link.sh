#!/usr/bin/env bash
# Compiles tests/sdk/consumer.c for the MSVC ABI (clang) and links it with
# lld-link against the SDK's TARN32.lib and the MinGW system import libraries,
# as a Visual C++ project links; checks the imports and runs the program
# (unless TARN32_SDK_BUILD_ONLY=1).
# Usage: msvc_link.sh PREFIX x86|x64 WORK_DIR EMULATOR
set -euo pipefail
prefix=$1 arch=$2 work=$3 emulator=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
source "$here/msvc_abi.sh"
msvc_abi "$arch"
if [ "$arch" = x86 ]; then
  # MinGW's import libraries carry no SEH tables.
  machine=(/machine:x86 /safeseh:no) syslib=/usr/i686-w64-mingw32/lib objdump=i686-w64-mingw32-objdump
else
  machine=(/machine:x64) syslib=/usr/x86_64-w64-mingw32/lib objdump=x86_64-w64-mingw32-objdump
fi
# printf comes from msvcrt.dll itself, not from MinGW's wrappers.
clang --target=$msvc_triple "${msvc_cflags[@]}" -D__USE_MINGW_ANSI_STDIO=0 \
  -DTARN32_CONSUMER_ENTRY=ConsumerEntry -Wall -Wextra -Werror -O1 \
  -I"$prefix/include" -c "$here/consumer.c" -o "$work/consumer.obj"
lld-link /nologo "${machine[@]}" /subsystem:console /entry:ConsumerEntry /nodefaultlib \
  /out:"$work/consumer.exe" "$work/consumer.obj" "$prefix/lib/TARN32.lib" \
  /libpath:"$syslib" libkernel32.a libuser32.a libmsvcrt.a
# The program must import the DLL's undecorated names, whatever the decoration
# of the symbols it was linked with.
imports=$("$objdump" -p "$work/consumer.exe" | sed -n '/DLL Name: TARN32.dll/,/^$/p' | awk 'NF >= 3 && $3 ~ /^Tarn_/ {print $3}')
[ "$(echo "$imports" | grep -c .)" -ge 5 ] || { echo "TARN32.dll imports missing: $imports"; exit 1; }
if echo "$imports" | grep -q '@'; then echo "decorated imports: $imports"; exit 1; fi
echo "imports from TARN32.dll: $(echo $imports)"
if [ "${TARN32_SDK_BUILD_ONLY:-0}" = 1 ]; then
  echo "linked; not run (this machine cannot run the architecture)"
  exit 0
fi
cp "$prefix/bin/TARN32.dll" "$work/"
cd "$work" && "$emulator" ./consumer.exe
