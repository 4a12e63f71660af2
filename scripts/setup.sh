#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Runs as root (or through sudo when it is available); does nothing when all are present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase
    libfbclient2 firebird3.0-server-core firebird3.0-utils
    libfreexl-dev libzip-dev python3-xlwt fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils util-linux time xauth xvfb
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
