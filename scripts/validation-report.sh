#!/usr/bin/env bash
# Regenerates docs/validation.md: builds the validation tests, runs them
# once (nec2c on every exported deck) and writes their comparison tables.
#   validation-report.sh [build-dir]     default: build/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
command -v nec2c >/dev/null || { echo "nec2c is not installed: run scripts/setup.sh" >&2; exit 1; }
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ondarel_validation_tests -j "${ONDAREL_JOBS:-2}"
ONDAREL_VALIDATION_REPORT="$root/docs/validation.md" "$build/tests/ondarel_validation_tests" --gtest_brief=1
echo "wrote $root/docs/validation.md"
