#!/usr/bin/env bash
# Builds everything, then the Debian package from the install rules
# (cmake/RadodInstall.cmake), and prints its path:
#
#   scripts/package.sh            -> build/radod_<version>_<arch>.deb
#   sudo apt install ./build/radod_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
cd "$BUILD_DIR"
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' cpack.log
