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

# The first free port of the script's range (25432 up), held as the local end of a client connection (as the
# tests' own connections to another server may hold it); held before the start, so that no
# other server starting meanwhile can take it first.
python3 -c '
import socket, time
server = socket.socket(); server.bind(("127.0.0.1", 0)); server.listen()
for port in range(25432, 25532):
    client = socket.socket()
    try:
        client.bind(("127.0.0.1", port))
        client.connect(server.getsockname())
        break
    except OSError:
        client.close()
else:
    raise SystemExit("no port to hold")
print("held", port, flush=True)
time.sleep(300)' >"$work/held" 2>&1 &
holder=$!
for _ in $(seq 50); do grep -q held "$work/held" && break; sleep 0.1; done
held="$(sed -n 's/^held //p' "$work/held")"
[ -n "$held" ] || { cat "$work/held"; echo "FAIL: could not hold a port"; exit 1; }
low="$(cut -f1 /proc/sys/net/ipv4/ip_local_port_range)"

if "$SRC/tools/pg-test-server.sh" start; then
    port="$(port_of)"
    [ "$port" != "$held" ] || fail "the server claims port $held, which a connection holds"
    [ "$port" -lt "$low" ] || fail "port $port lies in the ephemeral range from $low"
    psql -q -h 127.0.0.1 -p "$port" -U postgres -d postgres -c 'SELECT 1' >/dev/null \
        || fail "no server answers on port $port"
else
    fail "the server did not start while port $held was held"
fi

[ "$failures" -eq 0 ] && echo "PASS"
exit "$failures"
