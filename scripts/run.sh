#!/usr/bin/env bash
# Sets up, builds and starts the program. Without real devices it uses the simulated ones.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh plain >/dev/null
exec build/plain/program/kavrin "$@"
