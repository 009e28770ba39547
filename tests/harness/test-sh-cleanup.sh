#!/usr/bin/env bash
# tools/test.sh with no server named starts its own PostgreSQL; afterwards none of it may run
# and its folder must be gone, whatever folder the script was called from. A folder the user
# names that the server script did not make must survive start and remove untouched.
#   test-sh-cleanup.sh <source folder> <build folder>
set -uo pipefail
SRC="$(cd "$1" && pwd)"
# tools/test.sh builds in <source>/build; from another build folder it would build anew.
if [ "$(cd "$2" && pwd)" != "$SRC/build" ]; then
    echo "SKIP: tools/test.sh builds in $SRC/build, not in $2"
    exit 77
fi
work="$(mktemp -d)"
chmod 755 "$work"    # the server runs as postgres when the tests run as root
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pgdir="$work/pg"
# Should test.sh fail to clean up, this test does, so that a failure leaves no server behind.
trap 'LECTORUM_PG_DIR="$pgdir" "$SRC/tools/pg-test-server.sh" remove 2>/dev/null; rm -rf "$work"' EXIT

# Without the private server of the surrounding run: test.sh must start one of its own.
unset LECTORUM_TEST_PG_DSN LECTORUM_TEST_PG_USER LECTORUM_TEST_PG_PORT ODBCSYSINI ODBCINI

(cd "$work" && LECTORUM_PG_DIR="$pgdir" "$SRC/tools/test.sh" -R '^tst_literals$' >"$work/run.log" 2>&1) \
    || { cat "$work/run.log"; fail "tools/test.sh -R tst_literals failed"; }
grep -q "tst_literals" "$work/run.log" || fail "tst_literals did not run"
[ ! -e "$pgdir" ] || fail "$pgdir is left behind"
if pgrep -f -- "-D $pgdir/data" >/dev/null; then fail "a server in $pgdir still runs"; fi

# A folder the user made: start and remove refuse it and leave what it holds.
mine="$work/mine"
mkdir "$mine" && echo keep >"$mine/notes.txt"
for command in start remove; do
    if LECTORUM_PG_DIR="$mine" "$SRC/tools/pg-test-server.sh" "$command" 2>/dev/null; then
        fail "pg-test-server.sh $command accepted a folder it did not make"
    fi
    [ "$(cat "$mine/notes.txt" 2>/dev/null)" = keep ] || fail "pg-test-server.sh $command touched $mine"
done
(cd "$work" && LECTORUM_PG_DIR="$mine" "$SRC/tools/test.sh" -R '^tst_literals$' >/dev/null 2>&1) \
    && fail "tools/test.sh ran in a folder it did not make"
[ "$(cat "$mine/notes.txt" 2>/dev/null)" = keep ] || fail "tools/test.sh touched $mine"

[ "$failures" -eq 0 ] && echo "PASS"
exit "$failures"
