#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds everything and runs the whole
# test suite offscreen (no display needed).
#   test.sh              checks that setup.sh installs every package the
#                        build loads, then builds and runs the suite in build/
#   test.sh --sanitize   builds and runs the suite under AddressSanitizer and
#                        UndefinedBehaviorSanitizer in build-asan/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${ONDAREL_JOBS:-$(nproc)}

case "${1:-}" in
  "")
    "$root/scripts/setup.sh"
    "$root/scripts/check-packages.sh" "$root/build"
    cmake --build "$root/build" -j "$jobs"
    cd "$root/build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    ;;
  --sanitize)
    "$root/scripts/setup.sh"
    # -O1 keeps the run quick and the stack traces readable.
    cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DONDAREL_SANITIZE=ON \
      -DONDAREL_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$root/build-asan" -j "$jobs"
    cd "$root/build-asan"
    export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS=suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    # A longer seeded walk through every window under the sanitizers.
    ONDAREL_MONKEY_BUILD="$root/build-asan" "$root/scripts/monkey.sh" "${ONDAREL_MONKEY_EVENTS:-2000}"
    ;;
  *)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac
