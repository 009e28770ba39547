#!/usr/bin/env bash
# Builds Lectorum and runs the benchmark on generated libraries (SQLite and PostgreSQL
# through ODBC), printing figures. Libraries are generated once into build/bench-data
# (SQLite) and kept for the run on a private PostgreSQL server that commits durably
# (fsync=on, synchronous_commit=on), unlike the tests' server.
#   tools/bench.sh                      # 1,000, 10,000 and 100,000 sermons
#   tools/bench.sh --sizes 1000,10000   # options go to lectorum-bench
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
build/bin/lectorum-bench "$@"
