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

# openssh-server is here only for its sshd binary: the SFTP tests start their
# own unprivileged server on a random port. A machine that did not have it
# before is not left with an SSH server listening on port 22: while the
# packages install, services are not started (unless a policy is in place
# already), and the SSH service is disabled afterwards.
new_sshd=0
if [[ " ${missing[*]} " == *" openssh-server "* ]]; then
    new_sshd=1
fi
policy=/usr/sbin/policy-rc.d
own_policy=0
if [ "$new_sshd" -eq 1 ] && [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null
    $SUDO chmod 755 "$policy"
    own_policy=1
fi
status=0
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
    status=$?
if [ "$own_policy" -eq 1 ]; then
    $SUDO rm -f "$policy"
fi
if [ "$new_sshd" -eq 1 ] && [ -d /run/systemd/system ] && command -v systemctl >/dev/null; then
    $SUDO systemctl disable --now ssh.service ssh.socket >/dev/null 2>&1 || true
fi
exit "$status"
