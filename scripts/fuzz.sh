#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang in build-fuzz/ and runs
# each for SECONDS seconds from its seed corpus, then prints how many inputs
# each one ran. Fails if any harness finds a crash, a hang or a broken
# property; the input that did it is left in build-fuzz/artifacts/.
#   fuzz.sh [SECONDS]      (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
jobs=${ONDAREL_JOBS:-$(nproc)}
build=$root/build-fuzz

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DONDAREL_BUILD_FUZZERS=ON \
  -DONDAREL_BUILD_TESTS=OFF -DONDAREL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$jobs"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

failed=()
printf '%-16s %12s  %s\n' harness executions result
for harness in number_text real48 cli_args project_open; do
  binary=$build/fuzz/${harness}_fuzz
  [ -x "$binary" ] || continue
  # New inputs go to the work corpus; the committed seeds stay as they are.
  work=$build/corpus/$harness
  artifacts=$build/artifacts/$harness
  log=$build/logs/$harness.log
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"
  options=()
  # Qt fills its caches as windows are used, so a leak check after every
  # input scans the whole heap and finds only growth: forty times slower. The
  # window harness checks for leaks once, at exit.
  [ "$harness" = project_open ] && options+=(-detect_leaks=0)
  status=0
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    "${options[@]}" -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$harness" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  if ((status == 0)); then
    printf '%-16s %12s  %s\n' "$harness" "${executions:-?}" ok
  else
    printf '%-16s %12s  %s\n' "$harness" "${executions:-?}" "FAILED (exit $status, log $log)"
    grep -E 'ERROR|property broken|SUMMARY|runtime error|Test unit written' "$log" | head -n 20 || true
    failed+=("$harness")
  fi
done
if ((${#failed[@]})); then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
