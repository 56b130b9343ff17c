#!/bin/bash
# Builds the 64-bit programs and runs the comparison benchmark under Wine and
# Xvfb: the system LISTBOX, the system ListView and TARN32 on the same work,
# printed as one table with TARN32's ratio to the better system control.
#   bash tools/run_bench.sh [big-rows [seconds [groups]]]
# big-rows (1000000) sizes the large fill, the page scroll and the destroy;
# seconds (1.5) is the budget of each rate measured with redraw on; groups
# picks figures: p paint, f fills/search/scroll/destroy/memory, e adds and
# deletes with redraw on, c single calls, s sorting, v virtual rows (default: all). Progress goes to
# stderr. The whole run takes about three minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
export TARN32_ARCHES="${TARN32_ARCHES:-x86_64}"
bash tools/build.sh
source tools/wine_env.sh
BIN="${TARN32_BUILD_DIR:-build}/x86_64/bin"
OUT="$(mktemp)"
trap 'rm -f "$OUT"' EXIT
# Wine cannot read the processor's name, so the machine is described from here.
echo "date:    $(date '+%Y-%m-%d %H:%M %Z')"
echo "machine: $(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores," \
     "load $(cut -d' ' -f1-3 /proc/loadavg), $(/usr/lib/wine/wine64 --version 2>/dev/null), Xvfb"
args=""
[ $# -eq 0 ] || args=$(printf '%q ' "$@")
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "/usr/lib/wine/wineserver -p; /usr/lib/wine/wine64 cmd.exe /c exit >/dev/null 2>&1;
  cd '$BIN' && /usr/lib/wine/wine64 ./tarn32_bench_compare.exe $args > '$OUT' 2> >(grep --line-buffered '^\[' >&2);
  /usr/lib/wine/wineserver -k" || true
cat "$OUT"
