#!/usr/bin/env bash
# Starts or stops a throw-away PostgreSQL cluster for the tests and benchmarks: its data,
# log and socket live in one folder (of the build), it listens on no TCP port, and anyone
# on the machine may connect through the socket as any role without a password.
#
# usage: scripts/test_cluster.sh start|stop|uri DIR [--durable]
#   start      makes a new cluster in DIR (an old one there is stopped and removed first)
#   stop       stops the cluster of DIR, if it runs, and removes its data
#   uri        prints the URI of the cluster's "postgres" database
#   --durable  keeps fsync on (benchmarks); the tests run without it
set -euo pipefail

usage() { echo "usage: $0 start|stop|uri DIR [--durable]" >&2; exit 2; }
[ $# -ge 2 ] || usage
action=$1
mkdir -p "$2"
dir=$(cd "$2" && pwd)
durable=0
[ "${3:-}" = "--durable" ] && durable=1
port=${DNT_CLUSTER_PORT:-54329}
data="$dir/data"
socket="$dir/run"

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/pg_ctl" ]; then
    echo "test cluster: no PostgreSQL server under /usr/lib/postgresql/*/bin (scripts/setup.sh installs it)" >&2
    exit 1
fi

# The server refuses to run as root: root runs it as the postgres user, who then needs to
# reach and write the folder.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    as_owner=(runuser -u postgres --)
fi

running() { [ -f "$data/postmaster.pid" ] && "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" status >/dev/null 2>&1; }

stop() {
    if running; then "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" -m immediate -w stop >/dev/null; fi
    rm -rf "$data" "$socket"
}

case "$action" in
uri)
    echo "postgresql:///postgres?host=$socket&port=$port&user=postgres"
    ;;
stop)
    stop
    ;;
start)
    stop
    mkdir -p "$socket"
    if [ ${#as_owner[@]} -gt 0 ]; then
        # A checkout under a private home (/root) is out of the postgres user's reach: the
        # folders above the cluster's get the search right (x) for others, nothing more.
        parent=$(dirname "$dir")
        while [ "$parent" != "/" ]; do
            if ! "${as_owner[@]}" test -x "$parent"; then
                echo "test cluster: letting other users pass through $parent (chmod o+x) to reach $dir"
                chmod o+x "$parent"
            fi
            parent=$(dirname "$parent")
        done
        chown postgres: "$dir" "$socket"
        if ! "${as_owner[@]}" test -w "$dir" -a -x "$dir"; then
            echo "test cluster: the postgres user cannot write $dir (a folder above it is closed to others)" >&2
            exit 1
        fi
    fi
    # The socket path must fit in a Unix socket address (107 bytes).
    if [ $(( ${#socket} + 20 )) -gt 107 ]; then
        echo "test cluster: the socket folder $socket is too long a path for a Unix socket" >&2
        exit 1
    fi
    "${as_owner[@]}" "$bindir/initdb" -D "$data" -U postgres -A trust -E UTF8 --locale=C --no-sync >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; exit 1; }
    options="-c listen_addresses='' -k $socket -p $port -c max_connections=60"
    [ $durable -eq 1 ] || options="$options -c fsync=off -c full_page_writes=off"
    if ! "${as_owner[@]}" "$bindir/pg_ctl" -D "$data" -l "$dir/server.log" -o "$options" -w -t 60 start >/dev/null; then
        echo "test cluster: the server did not start; its log:" >&2
        tail -n 20 "$dir/server.log" >&2 || true
        exit 1
    fi
    echo "test cluster: running in $dir, socket $socket, port $port"
    ;;
*) usage ;;
esac
