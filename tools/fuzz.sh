#!/usr/bin/env bash
# Runs every fuzz harness of a sanitizer build for a while, as many at a time as
# there are processors (FUZZ_JOBS to choose).
#   tools/fuzz.sh BUILD_DIR SECONDS [HARNESS...]
# Inputs that found a fault are written to fuzz/found/ (crash-*, slow-unit-*): copy
# them into fuzz/corpus/<harness>/ once mended, so that they stay regression seeds.
# New coverage goes to a scratch corpus under the build folder, not into the project.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
shift 2 || true
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${FUZZ_JOBS:-$(nproc)}
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for h in "$root"/fuzz/fuzz_*.cpp; do harnesses+=("$(basename "$h" .cpp)"); done
fi
mkdir -p "$root/fuzz/found" "$build/fuzz/logs"

run() {
  local h=$1
  mkdir -p "$build/fuzz/corpus/$h"
  "$build/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$root/fuzz/found/$h-" \
    "$build/fuzz/corpus/$h" "$root/fuzz/corpus/$h" > "$build/fuzz/logs/$h.log" 2>&1
}

declare -A pids
for h in "${harnesses[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run "$h" &
  pids[$h]=$!
done

status=0
for h in "${harnesses[@]}"; do
  if wait "${pids[$h]}"; then result=0; else result=$?; fi
  echo "== $h, ${seconds} s"
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|wrong result|SUMMARY|Test unit written)' -A1 \
    "$build/fuzz/logs/$h.log" | grep -v '^--$' || true
  if [ "$result" -ne 0 ]; then
    echo "!! $h found a fault; the input is in fuzz/found/, the whole report in $build/fuzz/logs/$h.log"
    status=1
  fi
done
exit $status
