#!/usr/bin/env bash
# A private PostgreSQL 15 server for the tests, on a free local port, with its own ODBC
# driver and data source definitions.
#
#   tools/pg-test-server.sh start   # prints nothing; writes $LECTORUM_PG_DIR/env
#   tools/pg-test-server.sh stop
#   tools/pg-test-server.sh remove  # stop, then delete the folder
#
# After start, `source $LECTORUM_PG_DIR/env` gives the tests ODBCSYSINI and the
# LECTORUM_TEST_PG_* variables. Running start twice restarts a fresh server.
#
# The folder comes from the environment, so a slip could name a home or a source tree: the
# script only ever deletes a folder that carries the mark it left there when it made it, and
# refuses to start in a folder that exists without that mark.
#
# The tests' server skips flushing to disk (fsync=off, synchronous_commit=off); with
# LECTORUM_PG_DURABLE=1 it commits durably as a real server does (fsync=on,
# synchronous_commit=on, full_page_writes=on), which the benchmark uses.
set -euo pipefail
DIR="${LECTORUM_PG_DIR:-/tmp/lectorum-pg}"
PGBIN="/usr/lib/postgresql/15/bin"
DATA="$DIR/data"
SOCK="$DIR/socket"
MARK="$DIR/.lectorum-pg-test-server"

as_pg() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop_server() {
    if [ -f "$DATA/postmaster.pid" ]; then
        as_pg "$PGBIN/pg_ctl" -D "$DATA" -m fast -w stop >/dev/null 2>&1 || true
    fi
}

# Ports below the kernel's ephemeral range (32768 up, by default): a port in that range can be
# the local end of any client's connection, which a probe cannot see (connecting to it is
# refused) and which still stops a server from binding it. The tests' own connections to the
# first server once took the very port a second server then chose.
candidate_ports() {
    local low first=25432
    low="$(cut -f1 /proc/sys/net/ipv4/ip_local_port_range 2>/dev/null || echo 32768)"
    if [ "$((first + 100))" -gt "$low" ]; then first=$((low - 200)); fi
    seq "$first" "$((first + 99))"
}

listening() {
    (echo >"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

odbc_driver() {
    local so
    for so in /usr/lib/*/odbc/psqlodbcw.so /usr/lib/odbc/psqlodbcw.so; do
        if [ -f "$so" ]; then echo "$so"; return 0; fi
    done
    echo "psqlodbcw.so not found (package odbc-postgresql)" >&2
    return 1
}

ours() {
    if [ ! -d "$DIR" ] || [ -L "$DIR" ]; then return 1; fi
    if [ -f "$MARK" ] && [ ! -L "$MARK" ]; then return 0; fi
    # A folder made before the mark existed: only the names this script makes, and its env file.
    grep -qx 'export LECTORUM_TEST_PG_DSN=lectorum_test' "$DIR/env" 2>/dev/null || return 1
    local entry
    for entry in "$DIR"/* "$DIR"/.[!.]*; do
        [ -e "$entry" ] || [ -L "$entry" ] || continue
        case "${entry##*/}" in
        data | socket | odbc | env | initdb.log | server.log | pg_ctl.log) ;;
        *) return 1 ;;
        esac
    done
    return 0
}

refuse_foreign() {
    echo "$DIR exists and was not made by $0; not touching it (choose another LECTORUM_PG_DIR)" >&2
    exit 1
}

remove_folder() {
    if [ ! -e "$DIR" ] && [ ! -L "$DIR" ]; then return 0; fi
    ours || refuse_foreign
    stop_server
    rm -rf "$DIR"
}

start_server() {
    remove_folder
    mkdir -p "$DIR"
    touch "$MARK"
    mkdir -p "$DATA" "$SOCK" "$DIR/odbc"
    if [ "$(id -u)" -eq 0 ]; then chown -R postgres:postgres "$DIR"; fi
    as_pg "$PGBIN/initdb" -D "$DATA" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$DIR/initdb.log" 2>&1 \
        || { cat "$DIR/initdb.log"; exit 1; }
    local port durability started="" ports
    mapfile -t ports < <(candidate_ports)
    durability="-c fsync=off -c synchronous_commit=off -c full_page_writes=off"
    if [ "${LECTORUM_PG_DURABLE:-0}" = 1 ]; then
        durability="-c fsync=on -c synchronous_commit=on -c full_page_writes=on"
    fi
    # Another program may bind a port between the probe and the server's start; then the
    # server says so and the next free port is tried. Any other failure ends here.
    for port in "${ports[@]}"; do
        listening "$port" && continue
        rm -f "$DIR/server.log"
        if as_pg "$PGBIN/pg_ctl" -D "$DATA" -l "$DIR/server.log" -w -t 60 \
            -o "-p $port -k $SOCK -c listen_addresses=127.0.0.1 $durability -c max_connections=100" \
            start >/dev/null 2>"$DIR/pg_ctl.log"; then
            started=yes
            break
        fi
        grep -q "Address already in use" "$DIR/server.log" 2>/dev/null \
            || { cat "$DIR/pg_ctl.log" "$DIR/server.log" 2>/dev/null; exit 1; }
    done
    if [ -z "$started" ]; then
        echo "no free port among ${ports[0]}-${ports[-1]}" >&2
        exit 1
    fi
    local driver
    driver="$(odbc_driver)"
    cat >"$DIR/odbc/odbcinst.ini" <<INI
[LectorumPostgreSQL]
Description=PostgreSQL Unicode driver for the Lectorum tests
Driver=$driver
INI
    cat >"$DIR/odbc/odbc.ini" <<INI
[lectorum_test]
Driver=LectorumPostgreSQL
Servername=127.0.0.1
Port=$port
Database=postgres
Username=postgres
CommLog=0
Debug=0
INI
    if [ "$(id -u)" -eq 0 ]; then chown -R postgres:postgres "$DIR/odbc"; chmod -R a+rX "$DIR"; fi
    cat >"$DIR/env" <<ENV
export ODBCSYSINI="$DIR/odbc"
export ODBCINI="$DIR/odbc/odbc.ini"
export LECTORUM_TEST_PG_DSN=lectorum_test
export LECTORUM_TEST_PG_USER=postgres
export LECTORUM_TEST_PG_PORT=$port
export LECTORUM_REQUIRE_PG=1
ENV
}

case "${1:-}" in
start) start_server ;;
stop) if ours; then stop_server; fi ;;
remove) remove_folder ;;
*) echo "usage: $0 start|stop|remove" >&2; exit 2 ;;
esac
