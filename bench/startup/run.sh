#!/usr/bin/env bash
# Start-up cost of the whole program with the simulated mouse: the time from starting the process
# to its main window being created (the "InitWindow" diagnostics line), as the median of several
# runs, and the resident memory once start-up has settled (after the 500 ms start-up reads).
# Usage: bench/startup/run.sh [build-folder]   (default: build/bench, configured if missing)
#        RUNS=<n> sets the number of runs (default 11).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build/bench"}
runs=${RUNS:-11}
if [[ ! -f $build/build.ninja ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target kavrin >/dev/null
program=$build/program/kavrin

# Private runtime, data and configuration folders: no other instance, no user files touched.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_RUNTIME_DIR=$scratch/run KAVRIN_DOCUMENTS_DIR=$scratch/documents
export KAVRIN_CONFIG_DIR=$scratch/config KAVRIN_DEBUG=1
mkdir -p "$KAVRIN_DOCUMENTS_DIR" "$KAVRIN_CONFIG_DIR"

times_us=()
rss_kb=0
for ((run = 1; run <= runs; ++run)); do
    start=$(date +%s%N)
    coproc KAVRIN { exec "$program" --simulate=mouse 2>&1 >/dev/null; }
    pid=$KAVRIN_PID
    created=0
    while IFS= read -r line <&"${KAVRIN[0]}"; do
        if [[ $line == InitWindow ]]; then
            created=1
            break
        fi
    done
    end=$(date +%s%N)
    if ((created == 0)); then
        echo "startup: the main window was not created" >&2
        exit 1
    fi
    times_us+=($(((end - start) / 1000)))
    if ((run == runs)); then
        sleep 1
        rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    fi
    kill -TERM "$pid"
    cat <&"${KAVRIN[0]}" >/dev/null || true
    wait "$pid" || true
done

median_us=$(printf '%s\n' "${times_us[@]}" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')
printf 'startup: %d runs, start to main window created: median %.1f ms\n' "$runs" \
    "$(awk -v us="$median_us" 'BEGIN {print us / 1000}')"
printf 'startup: resident memory after start-up: %d KiB\n' "$rss_kb"
