# Sourced by msvc_link.sh and check_header.sh: how clang compiles for the MSVC
# ABI here, with the MinGW headers standing in for the Windows SDK's.
# msvc_abi x86|x64 sets msvc_triple and msvc_cflags.
msvc_abi() {
  # The headers need the GNU attribute syntax switched on; the target triple
  # alone decides the ABI (record layout, calling convention). They take _X86_
  # from the compiler, as an MSVC build's windows.h derives it from _M_IX86.
  msvc_cflags=(-fgnuc-version=4.2.1 -isystem /usr/share/mingw-w64/include)
  if [ "$1" = x86 ]; then
    msvc_triple=i686-pc-windows-msvc
    msvc_cflags+=(-D_X86_=1)
  else
    msvc_triple=x86_64-pc-windows-msvc
  fi
}
