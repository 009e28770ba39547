#!/usr/bin/env bash
# Builds Lectorum and runs every test, including those against a PostgreSQL server through
# ODBC. Starts a private server when the environment does not name one already.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
if [ -z "${LECTORUM_TEST_PG_DSN:-}" ]; then
    export LECTORUM_PG_DIR="${LECTORUM_PG_DIR:-/tmp/lectorum-pg-$$}"
    tools/pg-test-server.sh start
    trap 'tools/pg-test-server.sh stop; rm -rf "$LECTORUM_PG_DIR"' EXIT
    # shellcheck disable=SC1091
    source "$LECTORUM_PG_DIR/env"
fi
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2 "$@"
