#!/usr/bin/env bash
# Builds Lectorum and runs every test, including those against a PostgreSQL server through
# ODBC. Starts a private server when the environment does not name one already.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
if [ -z "${LECTORUM_TEST_PG_DSN:-}" ]; then
    export LECTORUM_PG_DIR="${LECTORUM_PG_DIR:-/tmp/lectorum-pg-$$}"
    # The trap runs after `cd build` below, so it names the script by its full path; the
    # script deletes only a folder it made itself.
    trap '"$ROOT/tools/pg-test-server.sh" remove' EXIT
    tools/pg-test-server.sh start
    # shellcheck disable=SC1091
    source "$LECTORUM_PG_DIR/env"
fi
export QT_QPA_PLATFORM=offscreen
# install-deps.sh put the published site's readers (feedparser, tidy, Chromium) in place, so
# their suite fails here rather than skipping when one is missing.
export LECTORUM_REQUIRE_CLIENTS=1
cd build
ctest --output-on-failure -j2 "$@"
