#!/usr/bin/env bash
# Installs the Debian packages Quarvel needs to build, run and test, when any is missing.
# Usage: scripts/deps.sh build|test
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins
          libqt6svg6 libgl-dev fonts-dejavu-core)
if [ "${1:-build}" = test ]; then
    packages+=(xvfb xauth xdotool x11-utils xclip unrtf cups cups-client printer-driver-cups-pdf
               poppler-utils desktop-file-utils appstream dpkg-dev file procps)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
