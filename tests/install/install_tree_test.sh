#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR the way a package does and
# checks what a user gets: both programs, the desktop entry and metainfo
# (validated), the icon at every size, the manual page and, when the build
# made it, the HTML manual with a page per calculator and no picture or
# worked design missing except for calculators not built yet.
#   install_tree_test.sh <build-dir> <app-id> <manual: ON|OFF> <pictures-dir>
set -euo pipefail
build=$1 id=$2 manual=$3 pictures=$4
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { for f in "$@"; do [ -s "$stage/usr/$f" ] || fail "missing or empty: /usr/$f"; done; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; exit 1; }
rm -f "$stage.log"

need bin/ondarel-calc share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man1/ondarel-calc.1.gz \
  share/doc/ondarel/copyright
grep -q "^License: GPL-3.0-or-later$" "$stage/usr/share/doc/ondarel/copyright" || fail "copyright file names no GPL-3.0-or-later"
[ -x "$stage/usr/bin/ondarel-calc" ] || fail "ondarel-calc is not executable"
if grep -q '^ONDAREL_BUILD_UI:BOOL=ON' "$build/CMakeCache.txt"; then
  need bin/ondarel bin/ondarel-render
  for size in 16 22 24 32 48 64 128 256 512; do
    icon=share/icons/hicolor/${size}x${size}/apps/$id.png
    need "$icon"
    file "$stage/usr/$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a $size-pixel PNG"
  done
fi

desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop entry does not validate"
grep -q '^Categories=Education;Science;Engineering;$' "$stage/usr/share/applications/$id.desktop" ||
  fail "desktop entry categories"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not validate"
"$stage/usr/bin/ondarel-calc" --version | grep -q '^ondarel-calc 3\.0$' || fail "installed ondarel-calc --version"
for section in SYNOPSIS OPTIONS EXAMPLES; do
  zcat "$stage/usr/share/man/man1/ondarel-calc.1.gz" | grep -q "^\.SH $section" || fail "man page lacks $section"
done

if [ "$manual" = ON ]; then
  doc=share/doc/ondarel/manual
  need $doc/index.html $doc/manual.css $doc/img/TForm1.png $doc/img/TForm2.png
  [ -e "$stage/usr/$doc/missing.txt" ] && fail "build notes installed with the manual"
  # Every link from the index leads to a page that exists.
  for target in $(grep -o 'href="[a-z0-9-]*\.html"' "$stage/usr/$doc/index.html" | sed 's/href="\(.*\)"/\1/' | sort -u); do
    need "$doc/$target"
  done
  # Only a calculator the tool does not know yet may lack its results, and
  # only its page may lack pictures.
  missing=$pictures/missing.txt
  [ -f "$missing" ] || fail "no $missing from the manual build"
  built=$("$stage/usr/bin/ondarel-calc" list | awk '{print $1}')
  while read -r page kind verb ext _; do
    [ "$kind" = calc ] || continue
    grep -qx "$ext" <<<"$built" && fail "$page: no results for the built calculator $ext"
  done <"$missing"
  while read -r page kind what; do
    [ "$kind" = picture ] || continue
    grep -q "^$page calc " "$missing" || fail "$page: picture $what missing for a built calculator"
  done <"$missing"
fi

if ((failures)); then
  echo "install tree: $failures problems" >&2
  exit 1
fi
echo "install tree: complete"
