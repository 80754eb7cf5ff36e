#!/usr/bin/env bash
# Whole-process start-up to the main window shown, offscreen: the median of
# several runs of the program told to leave as soon as its main window is up,
# side by side with the floor, a bare main window in a program that links the
# same Qt modules; then the ratios of time and of peak memory.
#   startup.sh [RUNS]     (default 15; builds both programs in build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
cmake --build "$root/build" --target ondarel ondarel_startup_floor ondarel-calc >/dev/null
export QT_QPA_PLATFORM=offscreen

# median_ms PROGRAM ARGS...: prints "median min max peak_kB".
measure() {
  "$@" >/dev/null 2>&1  # warm the file cache
  local times=() peaks=()
  for _ in $(seq "$runs"); do
    local start end peak
    start=$(date +%s%N)
    peak=$(/usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n1)
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    peaks+=("$peak")
  done
  local sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  local peak_sorted=($(printf '%s\n' "${peaks[@]}" | sort -n))
  echo "${sorted[$((runs / 2))]} ${sorted[0]} ${sorted[$((runs - 1))]} ${peak_sorted[$((runs / 2))]}"
}

read -r p_med p_min p_max p_mem < <(measure "$root/build/src/ondarel" --exit-when-shown)
read -r f_med f_min f_max f_mem < <(measure "$root/build/bench/ondarel_startup_floor")
echo "start-up to main window (ms): median $p_med, min $p_min, max $p_max over $runs runs; peak $((p_mem / 1024)) MB"
echo "floor, bare Qt window (ms):    median $f_med, min $f_min, max $f_max over $runs runs; peak $((f_mem / 1024)) MB"
awk -v p="$p_med" -v f="$f_med" -v pm="$p_mem" -v fm="$f_mem" \
  'BEGIN { printf "ratio: time %.2f, memory %.2f\n", p / f, pm / fm }'

# The command-line tool's whole process for the half-wave dipole, side by
# side with nec2c solving the deck the tool writes for it.
calc=$root/build/src/ondarel-calc
dipole=(lin input1=300 input2=0.5 input3=0.001 input4=5.76e7)
if command -v nec2c >/dev/null; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  "$calc" nec "${dipole[@]}" >"$work/dipole.nec"
  read -r c_med c_min c_max c_mem < <(measure "$calc" run "${dipole[@]}")
  read -r n_med n_min n_max n_mem < <(measure nec2c -i "$work/dipole.nec" -o "$work/dipole.out")
  echo "ondarel-calc run lin, half-wave dipole (ms): median $c_med, min $c_min, max $c_max; peak $((c_mem / 1024)) MB"
  echo "nec2c on its deck (ms):                      median $n_med, min $n_min, max $n_max; peak $((n_mem / 1024)) MB"
  awk -v p="$c_med" -v f="$n_med" -v pm="$c_mem" -v fm="$n_mem" \
    'BEGIN { printf "ratio: time %.2f, memory %.2f\n", p / (f > 0 ? f : 1), pm / fm }'
fi
