#!/usr/bin/env bash
# The private server's port: below the kernel's ephemeral range, where no client connection
# can hold it, and a port held as the local end of a connection (which no probe can see) is
# passed over rather than ending the start.
#   test-pg-server-port.sh <source folder>
set -uo pipefail
SRC="$(cd "$1" && pwd)"
work="$(mktemp -d)"
chmod 755 "$work"    # the server runs as postgres when the tests run as root
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
holder=""
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    [ -z "$holder" ] || kill "$holder" 2>/dev/null
    LECTORUM_PG_DIR="$work/pg" "$SRC/tools/pg-test-server.sh" remove 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export LECTORUM_PG_DIR="$work/pg"
port_of() { sed -n 's/^export LECTORUM_TEST_PG_PORT=//p' "$LECTORUM_PG_DIR/env"; }

"$SRC/tools/pg-test-server.sh" start || { echo "FAIL: the server did not start"; exit 1; }
first="$(port_of)"
low="$(cut -f1 /proc/sys/net/ipv4/ip_local_port_range)"
[ "$first" -lt "$low" ] || fail "port $first lies in the ephemeral range from $low"
"$SRC/tools/pg-test-server.sh" remove

# A client connection whose local end is that port, as the tests' own connections made.
python3 -c '
import socket, sys, time
server = socket.socket(); server.bind(("127.0.0.1", 0)); server.listen()
client = socket.socket(); client.bind(("127.0.0.1", int(sys.argv[1])))
client.connect(server.getsockname())
print("held", flush=True)
time.sleep(300)' "$first" >"$work/held" 2>&1 &
holder=$!
for _ in $(seq 50); do grep -q held "$work/held" && break; sleep 0.1; done
grep -q held "$work/held" || { cat "$work/held"; echo "FAIL: could not hold port $first"; exit 1; }

if "$SRC/tools/pg-test-server.sh" start; then
    [ "$(port_of)" != "$first" ] || fail "the server claims port $first, which a connection holds"
    psql -q -h 127.0.0.1 -p "$(port_of)" -U postgres -d postgres -c 'SELECT 1' >/dev/null \
        || fail "no server answers on port $(port_of)"
else
    fail "the server did not start while port $first was held"
fi

[ "$failures" -eq 0 ] && echo "PASS"
exit "$failures"
