#!/usr/bin/env bash
# A Firebird server of the test run's own, on a free port of 127.0.0.1, with
# its configuration, security database, lock and temporary files in a
# temporary folder: nothing of the machine's own Firebird setup is used or
# changed. The state file holds the folder, the port and the password.
#
#   server_firebird.sh start STATE SERVER ISQL ROOT [PORT [PASSWORD]]
#       (ROOT: the engine's folder with plugins/; a port and password given start it again as it was)
#   server_firebird.sh stop STATE
set -euo pipefail

stop() {
    local state=$1
    [ -f "$state" ] || return 0
    local dir pid
    dir=$(sed -n 's/^dir=//p' "$state")
    pid=$(sed -n 's/^pid=//p' "$state")
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    [ -n "$dir" ] && rm -rf "$dir"
    rm -f "$state"
}

case "$1" in
stop)
    stop "$2"
    ;;
start)
    state=$2 server=$3 isql=$4 root=$5 port=${6:-} password=${7:-}
    stop "$state"
    for f in "$server" "$isql" "$root/plugins/libEngine12.so" "$root/firebird.msg"; do
        [ -e "$f" ] || { echo "missing $f: run scripts/setup.sh" >&2; exit 1; }
    done
    dir=$(mktemp -d "${TMPDIR:-/tmp}/cert-firebird-XXXXXX")
    mkdir -p "$dir/lock" "$dir/tmp"
    for f in UDF firebird.msg lib plugins plugins.conf; do
        if [ -e "$root/$f" ]; then ln -s "$root/$f" "$dir/$f"; fi
    done
    # The character sets' module is found by its path under this folder and
    # must not resolve to another one: a copy, not a link.
    mkdir "$dir/intl"
    cp "$root/intl/libfbintl.so" "$dir/intl/"
    ln -s "$root/intl/fbintl.conf" "$dir/intl/fbintl.conf"
    [ -n "$port" ] || port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    [ -n "$password" ] || password=t$(od -An -N6 -tx1 /dev/urandom | tr -d ' \n')
    cat > "$dir/firebird.conf" <<CONF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
IpcName = CertTest$port
SecurityDatabase = $dir/security3.fdb
ServerMode = Super
AuthServer = Srp
UserManager = Srp
WireCrypt = Enabled
DatabaseAccess = Full
CONF
    export FIREBIRD=$dir FIREBIRD_LOCK=$dir/lock FIREBIRD_TMP=$dir/tmp
    "$isql" -q -user SYSDBA > "$dir/security.log" 2>&1 <<SQL
create database '$dir/security3.fdb';
create user SYSDBA password '$password';
commit;
SQL
    setsid "$server" > "$dir/server.log" 2>&1 < /dev/null &
    pid=$!
    printf 'dir=%s\nport=%s\npassword=%s\npid=%s\n' "$dir" "$port" "$password" "$pid" > "$state"
    for _ in $(seq 100); do
        if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "Firebird test server on 127.0.0.1/$port (pid $pid, folder $dir)"
            exit 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the Firebird test server did not start:" >&2
    cat "$dir/security.log" "$dir/server.log" >&2 || true
    stop "$state"
    exit 1
    ;;
*)
    echo "usage: $0 start STATE SERVER ISQL ROOT | stop STATE" >&2
    exit 2
    ;;
esac
