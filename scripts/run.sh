#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quilbex Control with the given arguments
# (for example --simulate for the built-in virtual pedals).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/setup-deps.sh"
BUILD="${QUILBEX_BUILD_DIR:-$ROOT/build}"
quilbex_configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$BUILD/src/app/quilbex-control" "$@"
