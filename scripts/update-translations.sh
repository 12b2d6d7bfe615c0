#!/usr/bin/env bash
# Refreshes the translation catalogs (src/i18n/translations/*.ts) from every text marked
# translatable under src/, fills the English catalog, and prints the status of each catalog.
#   scripts/update-translations.sh           uses build-translations/ (or $QUILBEX_BUILD_DIR)
# Then translate the unfinished entries (Qt Linguist or an editor) and check again with
# scripts/ts-status.py -v <code>.
set -euo pipefail
source "$(dirname "$0")/common.sh"

BUILD="${QUILBEX_BUILD_DIR:-$ROOT/build-translations}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" --target update_translations
python3 "$ROOT/scripts/ts-status.py" --fill-english || true
