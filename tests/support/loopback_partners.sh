# Sourced by the tests that start network partners on loopback (rotctld of Debian's
# libhamlib-utils, the fault listeners of tests/net/fake_server.py): a scratch folder, and every
# process started here recorded in pids and ended by its process id when the test ends.
# Messages name the sourcing script.
partners_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
partners_me=${0##*/}
for tool in rotctld python3; do
    command -v "$tool" >/dev/null ||
        { echo "$partners_me: $tool is missing: scripts/setup.sh installs it (libhamlib-utils, python3)"; exit 1; }
done

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$scratch"
}
trap cleanup EXIT

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# free_port [STREAM|DGRAM]: a loopback port nothing uses just now (TCP unless told).
free_port() {
    python3 -c "import socket; s = socket.socket(socket.AF_INET, socket.SOCK_${1:-STREAM}); s.bind(('127.0.0.1', 0)); print(s.getsockname()[1])"
}

# start_rotctld VARIABLE [CONF]: a dummy rotator; VARIABLE gets its port, VARIABLE_PID its pid.
# Another program may take the free port first: then a new one is tried.
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
    echo "$partners_me: rotctld -m 1 ${conf:+-C $conf} did not listen on a loopback port: $(cat "$scratch/$variable.log")"
    exit 1
}

# start_listener VARIABLE MODE: fake_server.py in MODE (silent, not-hamlib); VARIABLE gets its port.
start_listener() {
    python3 "$partners_here/../net/fake_server.py" "$2" >"$scratch/$1.port" &
    pids+=("$!")
    for _ in $(seq 50); do
        [ -s "$scratch/$1.port" ] && break
        sleep 0.1
    done
    [ -s "$scratch/$1.port" ] || { echo "$partners_me: the $2 listener did not start"; exit 1; }
    export "$1=$(cat "$scratch/$1.port")"
}
