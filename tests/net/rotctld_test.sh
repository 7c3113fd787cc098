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
[ -f "$program" ] || { echo "rotctld_test.sh: $program is missing: build it first (scripts/build.sh)"; exit 1; }
source "$here/../support/loopback_partners.sh"

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
