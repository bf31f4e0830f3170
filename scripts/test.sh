#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: plain, then under ASan+UBSan and TSan.
# KAVRIN_FLAVOURS="plain" limits the run to the listed flavours.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
flavours=${KAVRIN_FLAVOURS:-"plain address thread"}
for flavour in $flavours; do
    echo "=== $flavour build ==="
    scripts/build.sh "$flavour"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
    ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)" --timeout 300
done
