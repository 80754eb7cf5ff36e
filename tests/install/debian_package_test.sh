#!/usr/bin/env bash
# Builds the Debian package the way the README says (cpack -G DEB) into a
# temporary folder and checks that it declares the shared libraries the
# programs load and carries the files a user needs, all under /usr.
#   debian_package_test.sh <build-dir> <app-id>
set -euo pipefail
build=$1 id=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6; do grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"; done
if grep -q '^ONDAREL_BUILD_UI:BOOL=ON' "$build/CMakeCache.txt"; then
  for lib in libqt6widgets6 libqt6printsupport6 libqt6charts6 libqt6gui6 qt6-qpa-plugins; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
  done
fi
[ "$(dpkg-deb --field "$deb" Package)" = ondarel ] || fail "package name"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in ./usr/bin/ondarel-calc $(grep -q '^ONDAREL_BUILD_UI:BOOL=ON' "$build/CMakeCache.txt" && echo ./usr/bin/ondarel-render) ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
  ./usr/share/man/man1/ondarel-calc.1.gz; do
  grep -qx "$f" <<<"$contents" || fail "package lacks $f"
done
grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' && fail "files outside /usr"

if ((failures)); then
  echo "debian package: $failures problems" >&2
  exit 1
fi
echo "debian package: $(basename "$deb") complete"
