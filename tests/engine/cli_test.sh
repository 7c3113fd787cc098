#!/usr/bin/env bash
# locatrix-cli as a process: what goes to stdout and stderr, the exit codes, --help, and the
# batch mode with bad lines in the middle. The requests' own texts are CliRequestsTest's.
# cli_test.sh [EMULATOR] CLI   (the emulator runs the Windows build under Wine)
set -uo pipefail
cli=("$@")
failures=0
scratch=$(mktemp -d)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT

# Under Wine without a display, one headless display for the whole script: a display
# started and stopped around each run leaves Wine's "X connection ... broken" on stderr.
if [ $# -gt 1 ] && [ -z "${DISPLAY:-}" ] && [ -f "$(dirname "$1")/xvfb-session.sh" ]; then
    . "$(dirname "$1")/xvfb-session.sh"
    start_headless_display
    cleanup() { rm -rf "$scratch"; stop_headless_display; }
fi

# check WHAT PATTERN ARGS...: "stdout|stderr|exit code" of the CLI reading $scratch/in, without
# the Windows build's carriage returns, must match the glob PATTERN.
check() {
    local what=$1 wanted=$2 rc got
    shift 2
    "${cli[@]}" "$@" <"$scratch/in" >"$scratch/out" 2>"$scratch/err"
    rc=$?
    got="$(tr -d '\r' <"$scratch/out")|$(tr -d '\r' <"$scratch/err")|$rc"
    # shellcheck disable=SC2053
    if [[ $got != $wanted ]]; then
        printf 'FAIL: %s\n  got:    %q\n  wanted: %q\n' "$what" "$got" "$wanted"
        failures=$((failures + 1))
    fi
}
: >"$scratch/in"

check "a result: stdout, exit 0" "52.520833 13.375000 JO62QM||0" dms 52 31 15 N 13 22 30 E
check "a refusal: the window's text on stderr, exit 1" "|Please enter Longitude|1" decimal 0 ""
check "a request of the wrong form: exit 2" "|locatrix-cli: unknown command: \"bearing\"
Try 'locatrix-cli --help'.|2" bearing JO62QM KO85TS
check "no arguments: the help on stderr, exit 2" "|Usage: locatrix-cli *|2"
check "--help: the forms on stdout, exit 0" \
    "Usage: locatrix-cli *dms LATDEG*decimal LAT LON*locator LOCATOR*distance LOCATOR1 LOCATOR2*--chars*--batch*\
decimal degrees \"%f\"*minutes \"%.0f\"*seconds \"%.2f\"*distances \"%.1f\"*\
latitude degrees missing or 90 or more*\"Please enter Latitude Degrees\"*\
seconds missing count as 0, 60 or more*\"Please enter Latitude Seconds\"*beyond 180 \"Please enter Longitude\"*\"Please enter second location\"*\
Exit status: 0 done; 1 *; 2 *; 3 standard input could not be read or standard*||0" \
    locator JO62QM --help
check "--batch with a request on the command line: exit 2" "|locatrix-cli: --batch takes*|2" --batch locator JO62QM

# One line out for each line in: errors in their place, a per-line --chars over the batch's
# own, the last line without its newline.
printf '%s\n' "decimal 52.5 13.4" "dms 90 0 0 N 0 0 0 E" "" "nonsense" "--chars 10 decimal 1 2" \
    "decimal 1 2" >"$scratch/in"
printf 'locator KO85TS' >>"$scratch/in"
check "a batch with bad lines: exit 1, nothing on stderr" "JO62QM80 52 30 0.00 N 13 24 0.00 E
error: Please enter Latitude Degrees

error: unknown command: \"nonsense\"
JJ11AA00AA 1 0 0.00 N 2 0 0.00 E
JJ11AA00 1 0 0.00 N 2 0 0.00 E
55.770833 55 46 15.00 N 37.625000 37 37 30.00 E||1" --chars 8 --batch
printf '%s\n' "locator JO62QM" >"$scratch/in"
check "a clean batch: exit 0" "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E||0" --batch
# Lines that cross the blocks standard input is read in: one longer than a block, and enough
# short ones after it that more blocks end inside a line.
{ printf '%70000s' ''; for _ in $(seq 5000); do printf 'distance JO62QM KO85TS\n'; done; } >"$scratch/in"
check "lines across read blocks" "$(for _ in $(seq 5000); do echo '67.4 1000.5 1610.1 869.4'; done)||0" --batch

# A NUL byte is a byte of its line: each line still gets its own answer, in order. A Ctrl-Z
# too, which would end a Windows program's input read in text mode.
printf 'locator \0\nlocator JO62QM\n\0\0\0\n\0\n\032\nlocator JO62QM\n' >"$scratch/in"
check "a batch with NUL bytes: one line out per line in" "error: a request holds no control bytes: \"\\\\x00\"
52.520833 52 31 15.00 N 13.375000 13 22 30.00 E
error: a request holds no control bytes: \"\\\\x00\"
error: a request holds no control bytes: \"\\\\x00\"
error: a request holds no control bytes: \"\\\\x1A\"
52.520833 52 31 15.00 N 13.375000 13 22 30.00 E||1" --batch

# Reading and writing failures: a message and exit 3, never a silent 0 or a refusal's 1.
# Native only: Wine's view of a directory, a closed descriptor or a full device differs.
if [ $# -eq 1 ]; then
    check_io() {
        local what=$1 wanted=$2 rc got
        shift 2
        got=$(eval "\"\${cli[@]}\" $*" 2>&1 >/dev/null; echo "|$?")
        # shellcheck disable=SC2053
        if [[ $got != $wanted ]]; then
            printf 'FAIL: %s\n  got:    %q\n  wanted: %q\n' "$what" "$got" "$wanted"
            failures=$((failures + 1))
        fi
    }
    check_io "--batch reading a directory" "locatrix-cli: reading standard input failed*|3" '--batch <"$scratch"'
    check_io "--batch with standard input closed" "locatrix-cli: reading standard input failed*|3" '--batch <&-'
    check_io "a result to a full device" "locatrix-cli: writing standard output failed*|3" 'decimal 1 2 >/dev/full'
    check_io "--help to a full device" "locatrix-cli: writing standard output failed*|3" '--help >/dev/full'
    check_io "a batch to a full device" "locatrix-cli: writing standard output failed*|3" \
        '--batch >/dev/full <<<"decimal 1 2"'
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "locatrix-cli: all checks passed"
