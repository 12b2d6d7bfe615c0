#!/usr/bin/env bash
# Builds the Debian package in one step:
#   scripts/package.sh
# installs the build dependencies that are missing, configures a Release build in
# build-package/ (QUILBEX_PACKAGE_DIR overrides), builds it, runs `cpack -G DEB` and prints
# the path of the .deb. Install it with `sudo apt install ./quilbex-control_<version>_<arch>.deb`.
set -euo pipefail
source "$(dirname "$0")/common.sh"

"$ROOT/scripts/setup-deps.sh" dpkg-dev file

BUILD="${QUILBEX_PACKAGE_DIR:-$ROOT/build-package}"
quilbex_configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DQUILBEX_BUILD_TESTS=OFF -DQUILBEX_BUILD_BENCH=OFF -DQUILBEX_BUILD_FUZZ=OFF -DQUILBEX_SANITIZE= \
    -DQUILBEX_SHARED_LIBS=OFF

rm -f "$BUILD"/quilbex-control_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)

deb=$(ls "$BUILD"/quilbex-control_*.deb)
echo "$deb"
