#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing,
# then configures the build tree. Safe to run again.
#   setup.sh --list-packages   prints the package list, one a line, and stops
#                              (scripts/check-packages.sh reads it from here)
set -euo pipefail

# Installed with --no-install-recommends, so every package the build loads a
# CMake configuration from must be here or be a hard dependency of one that
# is: Qt6Charts needs Qt6OpenGL and Qt6OpenGLWidgets, which qt6-base-dev only
# recommends (libqt6opengl6-dev). The manual, the man page and the install
# test need pandoc, help2man, desktop-file-utils, appstream and file; the
# Debian package needs dpkg-dev (dpkg-shlibdeps); the validation tests run
# nec2c.
packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  nec2c
  pandoc help2man desktop-file-utils appstream file dpkg-dev
)

if [ "${1:-}" = --list-packages ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
