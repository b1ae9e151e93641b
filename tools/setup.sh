#!/usr/bin/env bash
# Installs the Debian packages that building and testing Plumora need, skipping those already present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine fonts-liberation libgl1-mesa-dri
  xvfb xdotool x11-utils imagemagick webp
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev
  googletest libbenchmark-dev libpng-dev
  msitools wixl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
