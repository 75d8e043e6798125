#!/usr/bin/env bash
# Runs every fuzz harness of a sanitizer build for a while, one after another.
#   tools/fuzz.sh BUILD_DIR SECONDS [HARNESS...]
# Inputs that found a fault are written to fuzz/found/ (crash-*, slow-unit-*): copy
# them into fuzz/corpus/<harness>/ once mended, so that they stay regression seeds.
# New coverage goes to a scratch corpus under the build folder, not into the project.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
shift 2 || true
root=$(cd "$(dirname "$0")/.." && pwd)
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for h in "$root"/fuzz/fuzz_*.cpp; do harnesses+=("$(basename "$h" .cpp)"); done
fi
mkdir -p "$root/fuzz/found"
status=0
for h in "${harnesses[@]}"; do
  scratch="$build/fuzz/corpus/$h"
  mkdir -p "$scratch"
  echo "== $h, ${seconds} s"
  set +e
  "$build/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$root/fuzz/found/$h-" "$scratch" "$root/fuzz/corpus/$h" 2>&1 |
    grep -E '^(==|#[0-9]+ +DONE|stat::number_of_executed_units|wrong result|SUMMARY|ERROR|Test unit written)' -A1
  result=${PIPESTATUS[0]}
  set -e
  if [ "$result" -ne 0 ]; then
    echo "!! $h found a fault; the input is in fuzz/found/"
    status=1
  fi
done
exit $status
