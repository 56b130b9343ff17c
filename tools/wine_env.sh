# Sourced by the test and demo scripts: a Wine prefix of the project's own,
# with the two settings that let windows be created without a display and
# make destroying a window cheap under Xvfb.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${TARN32_BUILD_DIR:-$root/build}/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A desktop session always has X resources loaded; Xvfb has none, which makes
# every font selection under Wine read the disk (see the file).
export XENVIRONMENT="$root/tools/wine.Xresources"
if [ ! -f "$WINEPREFIX/.tarn32-ready" ]; then
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f >/dev/null 2>&1
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.tarn32-ready"
fi
# A program that crashes ends at once with Wine's one-line report, instead of
# waiting in the crash debugger until the test times out.
if [ ! -f "$WINEPREFIX/.tarn32-nodebugger" ]; then
  /usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.tarn32-nodebugger"
fi
