#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Runs as root (or through sudo when it is available); does nothing when all are present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase
    libfbclient2 firebird3.0-server-core firebird3.0-utils libtommath1
    libfreexl-dev libzip-dev python3-xlwt fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils util-linux time xauth xvfb
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
updated=0
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    updated=1
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run a Firebird server of their own (on 127.0.0.1, configured in a
# temporary folder). Its program comes from Debian's firebird3.0-server,
# unpacked here without installing the package: installing it would set up
# and start the machine's own Firebird service.
server_dir=/usr/local/lib/certificat-acordare/firebird3.0-server
if [ ! -x "$server_dir/usr/sbin/firebird" ]; then
    echo "Unpacking the Firebird server program for the tests into $server_dir"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    chmod 755 "$work"
    if ! (cd "$work" && apt-get download -qq firebird3.0-server 2>/dev/null); then
        [ "$updated" -eq 1 ] || "${as_root[@]}" apt-get update -qq
        (cd "$work" && apt-get download -qq firebird3.0-server)
    fi
    "${as_root[@]}" mkdir -p "$server_dir"
    "${as_root[@]}" dpkg-deb -x "$work"/firebird3.0-server_*.deb "$server_dir"
fi
