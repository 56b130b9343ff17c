#!/usr/bin/env bash
# Builds TARN32 and runs the demo under Wine.
# With a display ($DISPLAY set) the demo window opens for you to try.
# Without one the demo runs inside Xvfb, saves its screenshots and the
# script converts them to docs/screenshots/*.png.
# Works on a fresh Debian machine: installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup_machine.sh"
if ! bash "$root/tools/build.sh"; then
  # The demo needs only the 64-bit DLL and itself: a broken test program or
  # 32-bit build must not keep it from running.
  echo "== full build failed; building the 64-bit DLL and the demo alone"
  if ! TARN32_ARCHES=x86_64 bash "$root/tools/build.sh"; then
    cmake --build "$root/build/x86_64" --target tarn32_demo -- --no-print-directory
  fi
fi
demo="$root/build/x86_64/bin/tarn32_demo.exe"
[ -f "$demo" ] || { echo "no demo program at $demo"; exit 1; }
source "$root/tools/wine_env.sh"

if [ -n "${DISPLAY:-}" ]; then
  echo "== running the demo on $DISPLAY"
  exec /usr/lib/wine/wine64 "$demo"
fi

shots=$(mktemp -d)
inner=$(mktemp)
trap 'rm -rf "$shots" "$inner"' EXIT
cat > "$inner" <<'INNER'
set -u
/usr/lib/wine/wineserver -p
# Start Wine's background services with output to /dev/null, so that they do
# not hold this script's standard output open after the demo exits.
/usr/lib/wine/wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
# Wine sees the Unix root as drive Z:.
/usr/lib/wine/wine64 "$1" --screenshot "Z:${2//\//\\}"
status=$?
/usr/lib/wine/wineserver -k
exit $status
INNER
echo "== taking screenshots under Xvfb"
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$inner" "$demo" "$shots" || rc=$?
[ $rc = 0 ] || { echo "the demo failed (exit $rc)"; exit $rc; }

out="$root/docs/screenshots"
mkdir -p "$out"
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || { echo "the demo wrote no screenshots"; exit 1; }
  png="$out/$(basename "${bmp%.bmp}").png"
  python3 "$root/tools/png_from_bmp.py" "$bmp" "$png"
  echo "$png"
done
