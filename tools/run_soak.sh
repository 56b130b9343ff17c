#!/usr/bin/env bash
# Long runs kept out of the default suite: the fuzzer over many seeds, and the
# suite's two leak tests repeated at soak counts, each printing its figures.
# Builds first, then runs
# everything inside one X server with a persistent wineserver, as
# tools/run_tests.sh does.
#
#   bash tools/run_soak.sh [--fuzz [N]] [--first S] [--steps M] [--calm | --no-reentry | --no-bad-handles]
#                          [--no-leaks] [--paints N] [--controls N]
#
# --fuzz runs N seeds (1000 when N is left out) of M steps (2000), starting
# at seed S (1); a seed that fails is reported and the run goes on with the
# next one in a fresh process. The leak runs (100,000 paints of each window,
# 1,000 controls of each type) run unless --no-leaks is given.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz=0 first=1 steps=2000 leaks=1 fuzz_args=""
while [ $# -gt 0 ]; do
  case $1 in
    --fuzz) fuzz=1000; if [[ ${2:-} =~ ^[0-9]+$ ]]; then fuzz=$2; shift; fi ;;
    --first) first=$2; shift ;;
    --steps) steps=$2; shift ;;
    --calm|--no-reentry|--no-bad-handles) fuzz_args="$fuzz_args $1" ;;
    --no-leaks) leaks=0 ;;
    --paints) export TARN32_SOAK_PAINTS=$2; shift ;;
    --controls) export TARN32_SOAK_CONTROLS=$2; shift ;;
    *) sed -n '7,8p' "$0"; exit 2 ;;
  esac
  shift
done

bash "$root/tools/setup_machine.sh"
bash "$root/tools/build.sh"
source "$root/tools/wine_env.sh"

inner=$(mktemp)
cat > "$inner" <<'INNER'
set -u
bin=$1 fuzz=$2 first=$3 steps=$4 leaks=$5 fuzz_args=$6
wine=/usr/lib/wine/wine64
/usr/lib/wine/wineserver -p
# Wine's background services inherit the output of the first program; start
# them with output to /dev/null (see tools/run_tests.sh).
$wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
status=0
if [ "$fuzz" -gt 0 ]; then
  last=$((first + fuzz - 1))
  echo "== fuzz: seeds $first-$last, $steps steps each${fuzz_args}"
  log=$(mktemp) failures=$(mktemp)
  next=$first start=$(date +%s)
  while [ "$next" -le "$last" ]; do
    (cd "$bin" && $wine tarn32_fuzz.exe --seeds "$next-$last" --steps "$steps" $fuzz_args) >"$log" 2>&1 || true
    grep -v '^seed ' "$log" || true
    grep -q '^ok:' "$log" && break
    grep -h '^FAIL' "$log" >>"$failures" || echo "a fuzz process died unreported after seed $next" >>"$failures"
    reached=$(grep -o '^seed [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    next=$(( ${reached:-$next} + 1 ))
  done
  seconds=$(( $(date +%s) - start ))
  echo "fuzz: $fuzz seeds x $steps steps in $seconds s: $(awk -v n="$fuzz" -v s="$seconds" 'BEGIN { printf "%.2f", n / (s > 0 ? s : 1) }') seeds/s;" \
       "$(wc -l <"$failures") failing"
  [ -s "$failures" ] && { status=1; sed 's/^/  /' "$failures"; }
  rm -f "$log" "$failures"
fi
if [ "$leaks" = 1 ]; then
  echo "== leak runs"
  (cd "$bin" && TARN32_SOAK_PAINTS=${TARN32_SOAK_PAINTS:-100000} TARN32_SOAK_CONTROLS=${TARN32_SOAK_CONTROLS:-1000} \
     $wine tarn32_tests.exe --gtest_filter='PaintingTest.PaintsLeakNoGdiObject:Lifecycle.ControlsOfEachTypeFreeEverythingTheyAllocate') ||
    status=1
fi
/usr/lib/wine/wineserver -k
exit $status
INNER
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$inner" "${TARN32_BUILD_DIR:-$root/build}/x86_64/bin" \
  "$fuzz" "$first" "$steps" "$leaks" "$fuzz_args" || rc=$?
rm -f "$inner"
exit $rc
