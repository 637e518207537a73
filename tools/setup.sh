#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libsdl2-dev libgl-dev libgl1-mesa-dri
  libopenal-dev libvorbis-dev
  libminizip-dev zlib1g-dev libpugixml-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth xdotool x11-utils x11-xkb-utils zip unzip sox vorbis-tools
  python3 python3-pil fonts-dejavu-core imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    echo "Missing packages and no root: ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
