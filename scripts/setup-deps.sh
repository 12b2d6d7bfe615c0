#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need; only the
# missing ones. Quiet when everything is present. Works as root or through sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libhidapi-dev qt6-translations-l10n
    fonts-dejavu-core fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji
    desktop-file-utils appstream librsvg2-bin
)
if [[ $# -gt 0 ]]; then
    packages+=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    SUDO=()
elif command -v sudo >/dev/null 2>&1; then
    SUDO=(sudo)
else
    echo "setup-deps: missing packages (${missing[*]}) and neither root nor sudo available" >&2
    exit 1
fi

echo "setup-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
