#!/usr/bin/env bash
# The command-line tool's computing path loads no Qt (no GUI, no D-Bus): only
# the pictures go through ondarel-render, which the tool runs for render3d.
#   light_tool_test.sh <ondarel-calc> [<ondarel-render>]
set -euo pipefail
calc=$1 render=${2:-}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

libraries=$(ldd "$calc")
for lib in libQt6 libdbus libfontconfig libglib; do
  grep -q "$lib" <<<"$libraries" && fail "ondarel-calc loads $lib"
done
grep -q '^output2=' <<<"$("$calc" run dip input1=100 input2=0.01)" || fail "ondarel-calc run dip computes nothing"

if [ -n "$render" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  QT_QPA_PLATFORM=offscreen "$calc" render3d abd input2=10 input3=0.25 --out "$out/b.png" 2>/dev/null ||
    fail "render3d through ondarel-render"
  file "$out/b.png" | grep -q 'PNG image data' || fail "render3d wrote no PNG"
  # A missing companion is a fault with a message, not a crash.
  cp "$calc" "$out/ondarel-calc"
  status=0
  "$out/ondarel-calc" render3d abd --out "$out/c.png" 2>"$out/err" || status=$?
  [ "$status" = 3 ] || fail "render3d without ondarel-render exits $status, not 3"
  grep -q 'ondarel-render' "$out/err" || fail "render3d without ondarel-render says nothing of it"
fi
((failures == 0)) || exit 1
echo "light tool: ok"
