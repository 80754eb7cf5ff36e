#!/usr/bin/env bash
# Runs the seeded monkey over every window of the program, offscreen: random
# menu commands, tool buttons, clicks, typing and dialog answers, EVENTS of
# them from SEED (default 1), so a failing run can be replayed exactly.
# Fails on a crash, a sanitizer report, an event that keeps the program busy
# for more than a second, "inf"/"nan" shown, or a modal window left open.
#   monkey.sh EVENTS [SEED]     uses build-asan/ when it exists, else build/
#   ONDAREL_MONKEY_BUILD=dir monkey.sh ...   another build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
events=${1:?usage: monkey.sh EVENTS [SEED]}
seed=${2:-1}
build=${ONDAREL_MONKEY_BUILD:-}
if [ -z "$build" ]; then
  build=$root/build
  [ -f "$root/build-asan/CMakeCache.txt" ] && build=$root/build-asan
fi
cmake --build "$build" --target ondarel_monkey -j "${ONDAREL_JOBS:-$(nproc)}" >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export LSAN_OPTIONS=suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0
"$build/tests/ondarel_monkey" "$events" "$seed" "$root/fuzz/corpus/project_open"
