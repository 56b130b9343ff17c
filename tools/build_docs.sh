#!/usr/bin/env bash
# Builds the reference manual (HTML, and XML for the completeness check) from
# include/tarn32.h and docs/manual/ into OUT (default build/docs). Fails on any
# Doxygen warning and on any export without its documentation.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/docs}" && cd "${1:-$root/build/docs}" && pwd)
command -v doxygen >/dev/null || { echo "doxygen is not installed (tools/setup_machine.sh installs it)"; exit 1; }
version=$(sed -n 's/^project(TARN32 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
rm -rf "$out/html" "$out/xml"
sed -e "s#@PROJECT_VERSION@#$version#g" -e "s#@TARN32_DOCS_OUT@#$out#g" \
    -e "s#@CMAKE_SOURCE_DIR@#$root#g" "$root/docs/Doxyfile.in" > "$out/Doxyfile"
status=0
doxygen "$out/Doxyfile" || status=1
if [ -s "$out/warnings.log" ]; then
  echo "Doxygen warnings:"; cat "$out/warnings.log"; status=1
fi
python3 "$root/tools/check_docs.py" "$out/xml" "$root/api/TARN32.def" || status=1
if [ $status = 0 ]; then
  echo "reference manual: $out/html/index.html"
else
  # Without its index the manual counts as not built, so the next build tries again.
  rm -f "$out/html/index.html"
fi
exit $status
