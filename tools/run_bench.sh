#!/bin/bash
# Builds the 64-bit programs and runs the benchmarks under Wine and Xvfb:
#   bash tools/run_bench.sh [rounds [calls]]
# tarn32_bench_repaint (full repaints against the system LISTBOX) and
# tarn32_bench_calls (one exported call against LISTBOX and ListView messages).
set -euo pipefail
cd "$(dirname "$0")/.."
export TARN32_ARCHES="${TARN32_ARCHES:-x86_64}"
bash tools/build.sh
source tools/wine_env.sh
BIN="${TARN32_BUILD_DIR:-build}/x86_64/bin"
OUT="$(mktemp)"
xvfb-run -a bash -c "/usr/lib/wine/wineserver -p; /usr/lib/wine/wine64 cmd.exe /c exit >/dev/null 2>&1;
  cd '$BIN' && /usr/lib/wine/wine64 ./tarn32_bench_repaint.exe ${1:-2000} > '$OUT' 2>/dev/null;
  /usr/lib/wine/wine64 ./tarn32_bench_calls.exe ${2:-200000} >> '$OUT' 2>/dev/null;
  /usr/lib/wine/wineserver -k" || true
cat "$OUT"
rm -f "$OUT"
