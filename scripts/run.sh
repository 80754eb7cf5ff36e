#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake --build "$root/build" --target ondarel ondarel-calc -j "$(nproc)"
exec "$root/build/src/ondarel" "$@"
