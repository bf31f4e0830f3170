#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang
    libgtest-dev libgmock-dev libbenchmark-dev
    libpugixml-dev libcairo2-dev libpango1.0-dev libsdl2-dev libx11-dev
    xvfb xdotool imagemagick python3
    fonts-dejavu-core fonts-droid-fallback
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
