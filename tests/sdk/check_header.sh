#!/usr/bin/env bash
# The public header compiles without a warning as C89, C99 and C++17 with the
# MinGW compilers, and under the MSVC ABI with clang, where its layout checks
# of the 32-bit records must hold too.
# Usage: check_header.sh C_COMPILER CXX_COMPILER INCLUDE_DIR
set -euo pipefail
cc=$1 cxx=$2 include=$3
header="$include/tarn32.h"
status=0
check() {  # check DESCRIPTION COMMAND...
  local description=$1; shift
  if out=$("$@" 2>&1) && [ -z "$out" ]; then echo "ok: $description"; else echo "FAILED: $description"; echo "$out"; status=1; fi
}
warn=(-Wall -Wextra -pedantic -fsyntax-only)
check "C89" "$cc" -x c -std=c89 "${warn[@]}" "$header"
check "C99" "$cc" -x c -std=c99 "${warn[@]}" "$header"
check "C++17" "$cxx" -x c++ -std=c++17 "${warn[@]}" "$header"
source "$(dirname "$0")/msvc_abi.sh"
msvc_abi x86
check "MSVC ABI, i686, C" clang --target=$msvc_triple "${msvc_cflags[@]}" -Wall -Wextra -fsyntax-only -x c "$header"
check "MSVC ABI, i686, C++" clang --target=$msvc_triple "${msvc_cflags[@]}" -Wall -Wextra -fsyntax-only -x c++ -std=c++17 "$header"
msvc_abi x64
check "MSVC ABI, x86_64, C" clang --target=$msvc_triple "${msvc_cflags[@]}" -Wall -Wextra -fsyntax-only -x c "$header"
exit $status
