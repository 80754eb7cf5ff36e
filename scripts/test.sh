#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds everything and runs the whole
# test suite offscreen (no display needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake --build "$root/build" -j "$(nproc)"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
