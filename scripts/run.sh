#!/usr/bin/env bash
# Builds the suite and starts it on the exchange folder
# (RADOD_EXCHANGE_DIR, or ~/Radod/instrumentos).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
exec "$BUILD_DIR/bin/radod-panels" "$@"
