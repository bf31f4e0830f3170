#!/bin/sh
# Idle CPU of the message loop: a 50 ms timer for 10 s, reported as a share of one core.
# Usage: bench/idle_loop/run.sh [build-folder]   (default: build/bench, configured if missing)
# Exits non-zero when the share is not under the goal (0.5 %).
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build/bench"}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target idle_loop_bench >/dev/null
exec "$build/bench/idle_loop/idle_loop_bench" --seconds 10 --period 50 --goal 0.5
