#!/usr/bin/env bash
# Makes a missing install step visible on any machine, not only on a fresh one.
# Every CMake package configuration the configured build loaded (each <Name>_DIR
# in the build's CMakeCache.txt) must come from a Debian package that setup.sh
# installs or one those hard-depend on. Recommends do not count: setup.sh
# installs with --no-install-recommends, so a configuration that only a
# Recommends brings in is here by accident and missing on a fresh machine.
#
#   check-packages.sh [BUILD_DIR]      (default: build)
# ONDAREL_PACKAGES="a b c" checks against that list instead of setup.sh's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "check-packages: no $cache; configure first" >&2; exit 2; }

if [ -n "${ONDAREL_PACKAGES:-}" ]; then
  read -ra listed <<<"$ONDAREL_PACKAGES"
else
  mapfile -t listed < <("$root/scripts/setup.sh" --list-packages)
fi
((${#listed[@]})) || { echo "check-packages: empty package list" >&2; exit 2; }

closure_of() {
  # Package names appear unindented; virtual ones as <name>, whose providers
  # follow indented and are recursed into as well.
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances "$@" 2>/dev/null |
    sed -n 's/^<\{0,1\}\([^ <>]*\)>\{0,1\}$/\1/p' | sed 's/:[a-z0-9]*$//' | sort -u
}
closure=$(closure_of "${listed[@]}") || closure=
if [ -z "$closure" ] && [ "$(id -u)" -eq 0 ]; then
  # apt-cache knows nothing of packages that are neither installed nor listed.
  apt-get update -qq >/dev/null 2>&1 || true
  closure=$(closure_of "${listed[@]}") || closure=
fi
[ -n "$closure" ] || { echo "check-packages: apt-cache knows none of: ${listed[*]} (run apt-get update)" >&2; exit 2; }
declare -A allowed=()
while read -r p; do allowed[$p]=1; done <<<"$closure"

failures=0 checked=0
while IFS= read -r entry; do
  name=${entry%%_DIR:*}
  dir=${entry#*=}
  case $dir in
    *-NOTFOUND | "$build"/* | "$root"/*) continue ;;
  esac
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$name")
  config=
  for candidate in "$dir/${name}Config.cmake" "$dir/${lower}-config.cmake"; do
    [ -f "$candidate" ] && { config=$candidate; break; }
  done
  if [ -z "$config" ]; then
    config=$(find "$dir" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) -print -quit 2>/dev/null || true)
  fi
  if [ -z "$config" ]; then
    echo "MISSING  $name: no configuration file in $dir"
    failures=$((failures + 1))
    continue
  fi
  checked=$((checked + 1))
  owners=$(dpkg -S "$config" 2>/dev/null | head -n1 | sed 's/: .*//') || owners=
  if [ -z "$owners" ]; then
    echo "UNOWNED  $name: $config belongs to no Debian package (installed by hand?)"
    failures=$((failures + 1))
    continue
  fi
  ok=
  IFS=', ' read -ra owner_list <<<"$owners"
  for o in "${owner_list[@]}"; do
    [ -n "${allowed[${o%%:*}]:-}" ] && ok=$o
  done
  if [ -n "$ok" ]; then
    echo "ok       $name <- ${ok%%:*}"
  else
    echo "NOT INSTALLED BY setup.sh  $name: $config is in ${owners//:amd64/}, which setup.sh neither lists nor depends on"
    failures=$((failures + 1))
  fi
done < <(
  # Only find_package's configuration-mode entries: CMake documents each with
  # this line; other *_DIR:PATH entries are include paths of Find modules.
  grep -A1 '^//The directory containing a CMake configuration file for ' "$cache" |
    grep -E '^[A-Za-z0-9_.+-]+_DIR:PATH=')

if ((failures)); then
  echo "check-packages: $failures of the build's CMake packages would be missing on a fresh machine; add their Debian packages to scripts/setup.sh" >&2
  exit 1
fi
echo "check-packages: all $checked CMake packages come from setup.sh's packages"
