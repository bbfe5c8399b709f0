#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need (run as root).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  libsdl2-mixer-dev libxcb1-dev
  fonts-liberation fonts-dejavu-core fonts-noto-color-emoji
  lame
  xvfb xauth xdotool
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
