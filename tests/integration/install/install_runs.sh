#!/usr/bin/env bash
# Installs the build into a fresh prefix and takes a picture of the main window from there.
set -euo pipefail
build=$1
prefix=$2

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
unset DISPLAY WAYLAND_DISPLAY KAVRIN_PROGRAM_DIR
KAVRIN_DOCUMENTS_DIR="$scratch/docs" KAVRIN_CONFIG_DIR="$scratch/config" \
    XDG_RUNTIME_DIR="$scratch/run" \
    "$prefix/bin/kavrin" --simulate=mouse --screenshot "$scratch/main.png"
test -s "$scratch/main.png"
test -f "$prefix/lib/kavrin/skin/res.xml"
test -f "$prefix/lib/kavrin/msdevicedefault.config"
echo "installed program ran from $prefix"
