#!/usr/bin/env bash
# locatrix-cli's rotate and wsjtx commands as processes (natively, or the Windows program under
# Wine) against their real partners: rotctld of Debian's libhamlib-utils (a dummy rotator on a
# free loopback port), UDP listeners for PstRotator and N1MM, and WSJT-X's datagrams from the
# test encoder (proved against udp_daemon by net.udp_daemon). Everything started here is ended
# by its process id.
#   network_test.sh LOCATRIX_CLI WSJTX_SEND [EMULATOR...]
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
emulator=("${@:3}")
cli=("${emulator[@]}" "$1")
send=("${emulator[@]}" "$2")
source "$here/../support/loopback_partners.sh"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run NAME ARGS...: the CLI; NAME.out, NAME.err (carriage returns dropped) and NAME.rc.
run() {
    local name=$1
    shift
    "${cli[@]}" "$@" >"$scratch/$name.raw" 2>"$scratch/$name.rawerr"
    echo $? >"$scratch/$name.rc"
    tr -d '\r' <"$scratch/$name.raw" >"$scratch/$name.out"
    tr -d '\r' <"$scratch/$name.rawerr" >"$scratch/$name.err"
}
out() { cat "$scratch/$1.out"; }
err() { cat "$scratch/$1.err"; }
rc() { cat "$scratch/$1.rc"; }
expect_rc() { [ "$(rc "$1")" = "$2" ] || fail "$1: exit status $(rc "$1"), not $2; stderr: $(err "$1")"; }
expect_in() { [[ $($1 "$2") == *"$3"* ]] || fail "$2: its $1 lacks '$3': $($1 "$2")"; }

# Where rotctld at the port says the antenna points, asked directly with 'p'.
heading() {
    local azimuth
    exec 4<>"/dev/tcp/127.0.0.1/$1"
    echo p >&4
    read -r -t 3 azimuth <&4
    exec 4>&-
    echo "$azimuth"
}
near() { python3 -c "import sys; sys.exit(0 if abs($1 - ($2)) <= $3 else 1)"; }

# --- rotctld: a south-stop rotator (-180..180) turned to the short and long path of a known pair.
start_rotctld ROTCTLD min_az=-180,max_az=180
endpoint=127.0.0.1:$ROTCTLD
run path path JO62QM FN20XR
short=$(sed -n 's/^short path: \([0-9.]*\) deg.*/\1/p' "$scratch/path.out")
long=$(sed -n 's/^long path: \([0-9.]*\) deg.*/\1/p' "$scratch/path.out")
[ -n "$short" ] && [ -n "$long" ] || { echo "network_test.sh: path printed no bearings: $(out path)"; exit 1; }
short_azimuth=$(python3 -c "print('%.2f' % ($short - 360 if $short > 180 else $short))")

run short rotate JO62QM FN20XR --rotctld "$endpoint" --wait 60
expect_rc short 0
expect_in out short "sent to rotctld at $endpoint: P $short_azimuth 0.00"
expect_in out short "arrived: the antenna points at"
now=$(heading "$ROTCTLD")
near "$now" "$short_azimuth" 2 || fail "after rotate --wait rotctld points at $now, not within 2 of $short_azimuth"

run long --format json rotate JO62QM FN20XR --long --rotctld "$endpoint"
expect_rc long 0
expect_in out long "\"rotator\":\"rotctld\",\"at\":\"$endpoint\",\"bearing_deg\":$long,\"sent\":\"P $(printf '%.2f' "$long") 0.00\""
sleep 1.5
run stop rotate --stop --rotctld "$endpoint"
expect_rc stop 0
expect_in out stop "sent to rotctld at $endpoint: S"
stopped=$(heading "$ROTCTLD")
sleep 1
near "$(heading "$ROTCTLD")" "$stopped" 0.05 || fail "rotctld still turns after rotate --stop"
near "$stopped" "$long" 5 && fail "the antenna reached $stopped although it was stopped on its way to $long"

# --- A bearing the rotator cannot reach is refused, naming its range, and nothing is sent.
start_rotctld ROTCTLD min_az=0,max_az=180
before=$(heading "$ROTCTLD")
run unreachable rotate --heading 270 --rotctld "127.0.0.1:$ROTCTLD"
expect_rc unreachable 1
expect_in err unreachable "0..180"
expect_in err unreachable "nothing was sent"
[ -z "$(out unreachable)" ] || fail "unreachable: it printed $(out unreachable)"
sleep 1
near "$(heading "$ROTCTLD")" "$before" 0.05 || fail "the rotator moved for a bearing it cannot reach"

# --- Faults: nothing listening, a listener that never answers, a reply that is not Hamlib's,
# rotctld killed during a move: status 3 and a message that names host and port.
closed=$(free_port STREAM)
run closed rotate --heading 10 --rotctld "127.0.0.1:$closed"
expect_rc closed 3
expect_in err closed "nothing is listening at 127.0.0.1:$closed"

for mode in silent not-hamlib; do
    start_listener port "$mode"
    started=$SECONDS
    run "$mode" rotate --heading 10 --rotctld "127.0.0.1:$port"
    expect_rc "$mode" 3
    expect_in err "$mode" "127.0.0.1:$port"
    [ $((SECONDS - started)) -le 20 ] || fail "$mode: rotate took $((SECONDS - started)) s to give up"
done
expect_in err silent "no answer"
expect_in err not-hamlib "HTTP/1.0 400 Bad Request"

start_rotctld ROTCTLD min_az=0,max_az=360
( sleep 3; kill "$ROTCTLD_PID" ) &
pids+=("$!")
run killed rotate --heading 180 --rotctld "127.0.0.1:$ROTCTLD" --wait 60
expect_rc killed 3
expect_in err killed "127.0.0.1:$ROTCTLD"

# --- PstRotator and N1MM: the listener receives exactly the datagram the command says it sent.
for kind in pst n1mm; do
    port=$(free_port DGRAM)
    python3 -c "
import socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(('127.0.0.1', $port))
s.settimeout(30)
open('$scratch/$kind.ready', 'w').close()
sys.stdout.write(s.recv(2000).decode('latin-1'))" >"$scratch/$kind.datagram" &
    listener=$!
    pids+=("$listener")
    for _ in $(seq 50); do
        [ -e "$scratch/$kind.ready" ] && break
        sleep 0.1
    done
    run "$kind" rotate --heading 123.4 --"$kind" "127.0.0.1:$port"
    expect_rc "$kind" 0
    wait "$listener"
    sent=$(sed -n 's/^sent to [A-Za-z0-9]* at [0-9.:]*: //p' "$scratch/$kind.out")
    [ -n "$sent" ] && [ "$sent" = "$(cat "$scratch/$kind.datagram")" ] ||
        fail "$kind: printed '$sent', the listener received '$(cat "$scratch/$kind.datagram")'"
done
expect_in out pst "<PST><AZIMUTH>123"
expect_in out n1mm "<goazi>123.4</goazi>"

# --- wsjtx: the encoder's feed; two new DX among repeats, a grid-less Status, another schema and
# a cut datagram. Each DX line carries what path says of the same pair, and the antenna turns.
start_rotctld ROTCTLD min_az=-180,max_az=180
port=$(free_port DGRAM)
"${cli[@]}" --format json wsjtx --port "$port" --count 2 --rotctld "127.0.0.1:$ROTCTLD" \
    >"$scratch/wsjtx.raw" 2>"$scratch/wsjtx.rawerr" &
listener=$!
pids+=("$listener")
for _ in $(seq 300); do
    grep -q 'listening on UDP port' "$scratch/wsjtx.rawerr" && break
    sleep 0.1
done
grep -q 'listening on UDP port' "$scratch/wsjtx.rawerr" || fail "wsjtx did not say it listens: $(cat "$scratch/wsjtx.rawerr")"
"${send[@]}" "$port" feed || fail "wsjtx_send could not send its feed"
for _ in $(seq 200); do
    kill -0 "$listener" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$listener" 2>/dev/null && fail "wsjtx --count 2 did not end after two new DX"
wait "$listener"
echo $? >"$scratch/wsjtx.rc"
tr -d '\r' <"$scratch/wsjtx.raw" >"$scratch/wsjtx.out"
tr -d '\r' <"$scratch/wsjtx.rawerr" >"$scratch/wsjtx.err"
expect_rc wsjtx 0
[ "$(wc -l <"$scratch/wsjtx.out")" -eq 2 ] || fail "wsjtx printed other than two lines: $(out wsjtx)"
line=1
for pair in "K1ABC FN42" "JA1XYZ PM95"; do
    set -- $pair
    run "path-$2" --format json path IO91WM "$2"
    figures=$(sed 's/^.*"short_bearing_deg"/"short_bearing_deg"/; s/}$//' "$scratch/path-$2.out")
    got=$(sed -n "${line}p" "$scratch/wsjtx.out")
    [[ $got == "{\"call\":\"$1\",\"grid\":\"$2\",\"from\":\"IO91WM\","* ]] || fail "wsjtx line $line: $got"
    [[ $got == *"$figures"* ]] || fail "wsjtx line $line lacks path's figures $figures: $got"
    [[ $got == *'"sent":"P '* ]] || fail "wsjtx line $line turned no antenna: $got"
    line=$((line + 1))
done
expect_in err wsjtx "2 new DX (2 printed), 2 dropped"
second=$(sed -n 's/^.*"short_bearing_deg":\([0-9.]*\),.*/\1/p' "$scratch/path-PM95.out")
second=$(python3 -c "print($second - 360 if $second > 180 else $second)")
[[ $(sed -n 2p "$scratch/wsjtx.out") == *"\"sent\":\"P $(printf '%.2f' "$second") 0.00\""* ]] ||
    fail "wsjtx sent no turn to the second DX's short path ($second): $(out wsjtx)"

if [ $failures -ne 0 ]; then
    echo "network_test.sh: $failures checks failed (above)"
    exit 1
fi
echo "network_test.sh: rotate and wsjtx behaved against rotctld, UDP listeners and the WSJT-X feed"
