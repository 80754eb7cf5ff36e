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
  *)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac
