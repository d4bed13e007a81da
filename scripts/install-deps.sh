#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quandrel need, skipping
# those already installed. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev
  libgtest-dev
  xvfb xauth openbox libx11-dev libxtst-dev x11-utils
  mutter dbus-daemon weston xwayland qt6-wayland at-spi2-core python3-pyatspi orca speech-dispatcher
  desktop-file-utils appstream dpkg-dev file
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis unzip
  lintian man-db
  emscripten nodejs chromium
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
# npm comes with some builds of nodejs and as a package of its own with Debian's.
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
  "${missing[@]}"
