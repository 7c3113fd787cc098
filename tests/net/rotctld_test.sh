#!/usr/bin/env bash
# The rotctld client (net_rotctld_tests, natively or as a Windows program under Wine) against the
# real rotctld of Debian's libhamlib-utils: one dummy rotator per azimuth range, each on a free
# loopback port, one more that is killed during a move when the test asks, and two small
# listeners for the faults. Everything started here is ended by its process id.
#   rotctld_test.sh TEST_PROGRAM [EMULATOR]
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=$1
emulator=("${@:2}")
for tool in rotctld python3; do
    command -v "$tool" >/dev/null ||
        { echo "rotctld_test.sh: $tool is missing: scripts/setup.sh installs it (libhamlib-utils, python3)"; exit 1; }
done
[ -f "$program" ] || { echo "rotctld_test.sh: $program is missing: build it first (scripts/build.sh)"; exit 1; }

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$scratch"
}
trap cleanup EXIT

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# start_rotctld VARIABLE [CONF]: a dummy rotator; VARIABLE gets its port, VARIABLE_PID its pid.
start_rotctld() {
    local variable=$1 conf=${2:-} port pid try
    for try in 1 2 3; do
        port=$(free_port)
        rotctld -m 1 -T 127.0.0.1 -t "$port" ${conf:+-C "$conf"} >"$scratch/$variable.log" 2>&1 &
        pid=$!
        for _ in $(seq 50); do
            listening "$port" && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if listening "$port"; then
            pids+=("$pid")
            export "$variable=$port" "${variable}_PID=$pid"
            return 0
        fi
        kill "$pid" 2>/dev/null
    done
    echo "rotctld_test.sh: rotctld -m 1 ${conf:+-C $conf} did not listen on a loopback port: $(cat "$scratch/$variable.log")"
    exit 1
}

# start_listener VARIABLE MODE: fake_server.py in MODE; VARIABLE gets its port.
start_listener() {
    python3 "$here/fake_server.py" "$2" >"$scratch/$1.port" &
    pids+=("$!")
    for _ in $(seq 50); do
        [ -s "$scratch/$1.port" ] && break
        sleep 0.1
    done
    [ -s "$scratch/$1.port" ] || { echo "rotctld_test.sh: the $2 listener did not start"; exit 1; }
    export "$1=$(cat "$scratch/$1.port")"
}

start_rotctld LOCATRIX_ROTCTLD_SOUTH_STOP min_az=-180,max_az=180
start_rotctld LOCATRIX_ROTCTLD_FULL_TURN min_az=0,max_az=360
start_rotctld LOCATRIX_ROTCTLD_OVERLAP min_az=0,max_az=450
start_rotctld LOCATRIX_ROTCTLD_HALF_TURN min_az=0,max_az=180
start_rotctld LOCATRIX_ROTCTLD_DOOMED min_az=0,max_az=360
start_listener LOCATRIX_SILENT_PORT silent
start_listener LOCATRIX_NOT_HAMLIB_PORT not-hamlib
export LOCATRIX_CLOSED_PORT=$(free_port)

# The test writes this file once the doomed rotator is turning; then it is killed.
kill_request=$scratch/kill-request
export LOCATRIX_KILL_REQUEST=$kill_request
[ ${#emulator[@]} -gt 0 ] && export LOCATRIX_KILL_REQUEST="Z:$kill_request"
(
    for _ in $(seq 3000); do
        if [ -e "$kill_request" ]; then
            kill "$LOCATRIX_ROTCTLD_DOOMED_PID"
            exit 0
        fi
        sleep 0.1
    done
) &
pids+=("$!")

"${emulator[@]}" "$program"
rc=$?
[ $rc -eq 0 ] || echo "rotctld_test.sh: $program failed (status $rc); its report is above"
exit $rc
