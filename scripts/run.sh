#!/usr/bin/env bash
# Sets up, builds and starts the program. Without real devices the program uses the simulated
# ones by itself. Without a display it takes a picture of the main window instead, and says
# where it is.
# Usage: scripts/run.sh [program options, e.g. --simulate=mouse]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh plain >/dev/null
program=build/plain/program/kavrin

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$program" "$@"
fi

picture=${KAVRIN_SCREENSHOT:-$PWD/build/plain/kavrin-main-window.png}
echo "run.sh: no display found; taking a picture of the main window instead"
rm -f "$picture"
"$program" --screenshot "$picture" "$@"
if [[ -f $picture ]]; then
    echo "run.sh: picture of the main window: $picture"
else
    echo "run.sh: no picture was taken (is the program already running?)"
fi
