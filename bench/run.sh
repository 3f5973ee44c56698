#!/usr/bin/env bash
# Builds everything and runs the end-to-end benchmark of the suite; prints the
# table (also written to build/bench-report.md). Takes some minutes: each
# platform (offscreen, and Xvfb when installed) and each manager design runs
# the six windows and the four G1000 displays through 30 s of updates at 30/s and 30 s at 60/s.
# Options go to radod-bench (bench/run.sh --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >&2
BUILD_DIR=${BUILD_DIR:-build}
exec "$BUILD_DIR/bin/radod-bench" \
    --report "$BUILD_DIR/bench-report.md" "$@"
