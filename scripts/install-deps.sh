#!/usr/bin/env bash
# Installs the Debian 12 packages Tethrix needs to build, test and run, when
# they are missing. Run as root (or through sudo).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libqt6opengl6-dev libgl-dev libglx-dev libopengl-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-apps imagemagick poppler-utils fonts-liberation locales
  dpkg-dev file desktop-file-utils appstream
  emscripten chromium python3 qt6-l10n-tools fonts-dejavu-core
)
# The web page's browser tests run on Node.js with npm; machines that came with
# a Node.js of their own keep it.
command -v node > /dev/null || packages+=(nodejs)
command -v npm > /dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
