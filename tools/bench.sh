#!/usr/bin/env bash
# Builds Lectorum and runs the benchmark on generated libraries (SQLite and PostgreSQL
# through ODBC), printing figures. Libraries are generated once into build/bench-data
# (SQLite) and kept for the run on a private PostgreSQL server that commits durably
# (fsync=on, synchronous_commit=on), unlike the tests' server.
#   tools/bench.sh                      # 1,000, 10,000 and 100,000 sermons
#   tools/bench.sh --sizes 1000,10000   # options go to lectorum-bench
#   tools/bench.sh --copy [N]           # lectorum-mkdb --copy: N sermons (100,000) file ->
#                                       # PostgreSQL -> file, time and peak memory each way
#   tools/bench.sh --reports [OPTIONS]  # the reports (lectorum-reports-bench) on 100,000 sermons
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
if [ -z "${LECTORUM_TEST_PG_DSN:-}" ]; then
    export LECTORUM_PG_DIR="${LECTORUM_PG_DIR:-/tmp/lectorum-pg-bench}"
    LECTORUM_PG_DURABLE=1 tools/pg-test-server.sh start
    trap 'tools/pg-test-server.sh remove' EXIT
    # shellcheck disable=SC1091
    source "$LECTORUM_PG_DIR/env"
fi
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--copy" ]; then
    n="${2:-100000}"
    mkdir -p build/bench-data
    src="build/bench-data/copy-$n.mdb"
    back="build/bench-data/copy-$n-back.mdb"
    [ -f "$src" ] || build/bin/lectorum-mkdb --generate "$n" "$src"
    db=lectorum_copy_bench
    server="DSN=$LECTORUM_TEST_PG_DSN;UID=${LECTORUM_TEST_PG_USER:-postgres};PWD=;DATABASE=$db"
    pg() { psql -q -h 127.0.0.1 -p "$LECTORUM_TEST_PG_PORT" -U "${LECTORUM_TEST_PG_USER:-postgres}" -d postgres -c "$1"; }
    # The server's processor time: its own and that of the sessions it has reaped.
    servercpu() {
        local pid
        pid=$(head -n 1 "$LECTORUM_PG_DIR/data/postmaster.pid")
        awk -v hz="$(getconf CLK_TCK)" '{ printf "%.1f", ($14 + $15 + $16 + $17) / hz }' "/proc/$pid/stat"
    }
    copy() {
        local before
        before=$(servercpu)
        build/bin/lectorum-mkdb --copy "$1" "$2" | tail -n 2
        echo "server processor time $(awk -v a="$before" -v b="$(servercpu)" 'BEGIN { printf "%.1f", b - a }') s;" \
            "load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
    }
    pg "DROP DATABASE IF EXISTS $db WITH (FORCE)"
    pg "CREATE DATABASE $db"
    build/bin/lectorum-mkdb --odbc "$server"
    echo "== $n sermons: file -> PostgreSQL"
    copy "$src" "$server"
    echo "== $n sermons: PostgreSQL -> file"
    rm -f "$back"
    copy "$server" "$back"
    pg "DROP DATABASE $db"
    exit 0
fi
if [ "${1:-}" = "--reports" ]; then
    shift
    build/bin/lectorum-reports-bench "$@"
    exit 0
fi
build/bin/lectorum-bench "$@"
