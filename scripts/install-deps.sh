#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Does nothing when all of them are present already.
set -euo pipefail

PACKAGES=(
    build-essential cmake make pkg-config git
    qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
    libcurl4-openssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    python3 python3-pyftpdlib python3-openssl python3-cryptography
    openssh-server openssh-client
    clang-format
    xvfb xauth xdotool
    tidy python3.11-doc clang libclang-rt-14-dev
    dpkg-dev librsvg2-bin desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db
    featherpad valgrind
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
