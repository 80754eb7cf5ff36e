#!/usr/bin/env bash
# Builds the HTML user manual from docs/manual/*.md.
#   build-manual.sh <sources> <output> <ondarel-calc> <ondarel_ui_tests> <pictures>
# Takes the pictures with the screenshot test (the worked designs of the
# pages' calc blocks), runs pandoc on every page (any warning fails the
# build), copies the pictures and the style sheet beside the pages, and
# writes <pictures>/missing.txt: the pictures and worked designs the pages ask
# for that the program cannot produce yet (calculators not built).
set -euo pipefail
src=$1 out=$2 calc=$3 uitests=$4 pictures=$5

rm -rf "$out" "$pictures"
mkdir -p "$out/img" "$pictures"
designs=$pictures/designs.txt
# The "run" lines inside ```{.calc} blocks.
awk '/^```\{\.calc\}/{inside=1; next} /^```/{inside=0} inside && /^run /' "$src"/*.md >"$designs"

ONDAREL_SCREENSHOT_DIR=$pictures ONDAREL_MANUAL_DESIGNS=$designs QT_QPA_PLATFORM=offscreen \
  "$uitests" --gtest_filter='Screenshots.ManualPictures' --gtest_brief=1 >"$pictures/test.log" 2>&1 ||
  { cat "$pictures/test.log" >&2; echo "build-manual: the screenshot test failed" >&2; exit 1; }

export ONDAREL_CALC=$calc ONDAREL_PICTURES=$pictures ONDAREL_MISSING=$pictures/missing.txt
: >"$ONDAREL_MISSING"
for page in "$src"/*.md; do
  name=$(basename "$page" .md)
  pandoc "$page" --from markdown --to html5 --standalone --fail-if-warnings \
    --css manual.css --include-before-body "$src/nav.html" --lua-filter "$src/ondarel.lua" \
    --metadata lang=pt-BR --output "$out/$name.html"
done
cp "$src/manual.css" "$out/"
cp "$pictures"/*.png "$out/img/"
