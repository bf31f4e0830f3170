#!/usr/bin/env bash
# Configures and builds one flavour of the project.
# Usage: scripts/build.sh [plain|address|thread]  (build folder: build/<flavour>)
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-plain}
sanitize=""
[[ $flavour == plain ]] || sanitize=$flavour
werror=OFF
[[ -n ${CI:-} ]] && werror=ON

cmake -S . -B "build/$flavour" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKAVRIN_SANITIZE="$sanitize" -DKAVRIN_WERROR="$werror" \
    -DKAVRIN_BENCH="$([[ $flavour == plain ]] && echo ON || echo OFF)" >/dev/null
cmake --build "build/$flavour" -j "$(nproc)"
