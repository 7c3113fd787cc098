#!/usr/bin/env bash
# The test encoder against WSJT-X's reference listener: udp_daemon (Debian's wsjtx) on a free
# loopback port prints what it decodes, and every line wsjtx_send expects must be among them.
# udp_daemon prints frequency and mode for a Status, everything for a QSO Logged, the version for
# a Heartbeat and nothing for a Clear.
#   udp_daemon_test.sh WSJTX_SEND [EMULATOR]
set -uo pipefail
sender=("${@:2}" "$1")
command -v udp_daemon >/dev/null ||
    { echo "udp_daemon_test.sh: udp_daemon is missing: scripts/setup.sh installs it (wsjtx)"; exit 1; }
scratch=$(mktemp -d)
daemon=
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
QT_QPA_PLATFORM=offscreen udp_daemon -p "$port" >"$scratch/daemon.out" 2>&1 &
daemon=$!
hex=$(printf ':%04X ' "$port")
for _ in $(seq 100); do
    grep -q "$hex" /proc/net/udp /proc/net/udp6 2>/dev/null && break
    kill -0 "$daemon" 2>/dev/null || break
    sleep 0.1
done
grep -q "$hex" /proc/net/udp /proc/net/udp6 2>/dev/null ||
    { echo "udp_daemon_test.sh: udp_daemon did not listen on UDP port $port: $(cat "$scratch/daemon.out")"; exit 1; }

if ! "${sender[@]}" "$port" >"$scratch/send.raw" 2>&1; then
    echo "udp_daemon_test.sh: wsjtx_send failed: $(cat "$scratch/send.raw")"
    exit 1
fi
tr -d '\r' <"$scratch/send.raw" >"$scratch/send.out"
expected=$(grep -c '^expect: ' "$scratch/send.out")
[ "$expected" -ge 6 ] || { echo "udp_daemon_test.sh: wsjtx_send printed $expected expectations, not 6 or more"; exit 1; }

# udp_daemon answers within milliseconds; wait until every expectation is met or 10 s pass.
failures=0
for _ in $(seq 100); do
    failures=0
    while IFS= read -r line; do
        pattern=${line#expect: }
        found=0
        while IFS= read -r out; do
            # shellcheck disable=SC2053
            [[ $out == *$pattern* ]] && { found=1; break; }
        done <"$scratch/daemon.out"
        [ $found -eq 1 ] || { failures=$((failures + 1)); missing=$pattern; }
    done < <(grep '^expect: ' "$scratch/send.out")
    [ $failures -eq 0 ] && break
    sleep 0.1
done
kill "$daemon" 2>/dev/null
wait "$daemon" 2>/dev/null
daemon=
if [ $failures -ne 0 ]; then
    echo "udp_daemon_test.sh: $failures of $expected expected lines missing from udp_daemon's output, e.g."
    echo "  $missing"
    echo "udp_daemon printed:"
    cat "$scratch/daemon.out"
    exit 1
fi
echo "udp_daemon_test.sh: udp_daemon decoded all $expected expected lines"
