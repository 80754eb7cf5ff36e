#!/usr/bin/env bash
# Whole-process start-up to the main window shown, offscreen: the median of
# several runs of the program told to leave as soon as its main window is up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program="$root/build/src/ondarel"
runs=${1:-15}
export QT_QPA_PLATFORM=offscreen
"$program" --exit-when-shown >/dev/null 2>&1  # warm the file cache
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" --exit-when-shown >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to main window (ms): median ${sorted[$((runs / 2))]}, min ${sorted[0]}, max ${sorted[$((runs - 1))]} over $runs runs"
