#!/usr/bin/env bash
# locatrix-cli as a process: results on stdout, the window's texts on stderr, exit codes,
# and the batch mode with a bad line in the middle.
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

# run ARGS...: sets out, err (carriage returns of the Windows build dropped) and rc.
run() {
    "${cli[@]}" "$@" >"$scratch/out" 2>"$scratch/err" <"$scratch/in"
    rc=$?
    out=$(tr -d '\r' <"$scratch/out")
    err=$(tr -d '\r' <"$scratch/err")
}
expect() {  # expect WHAT ACTUAL WANTED
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1"
        echo "  got:    $(printf '%q' "$2")"
        echo "  wanted: $(printf '%q' "$3")"
        failures=$((failures + 1))
    fi
}
: >"$scratch/in"

run dms 52 31 15 N 13 22 30 E
expect "dms result" "$out|$err|$rc" "52.520833 13.375000 JO62QM||0"
run decimal -33.8688 151.2093
expect "decimal result" "$out|$err|$rc" "QF56OD 33 52 7.68 S 151 12 33.48 E||0"
run --chars 10 decimal -33.8688 151.2093
expect "decimal, 10 characters" "$out|$rc" "QF56OD51CL 33 52 7.68 S 151 12 33.48 E|0"
run locator jo62qm
expect "locator result" "$out|$rc" "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E|0"
run distance JO62QM KO85TS
expect "distance result" "$out|$rc" "67.4 1000.5 1610.1 869.4|0"

run dms 90 0 0 N 0 0 0 E
expect "latitude degrees 90" "$out|$err|$rc" "|Please enter Latitude Degrees|1"
run dms 123456789012345 0 0 N 0 0 0 E
expect "15-digit degrees" "$out|$err|$rc" "|Please enter Latitude Degrees|1"
run dms 10 0 0 N 10 60 0 E
expect "longitude minutes 60" "$out|$err|$rc" "|Please enter Longitude Minutes|1"
run decimal 90.5 0
expect "decimal latitude 90.5" "$out|$err|$rc" "|Please enter Latitude|1"
run decimal 0 ""
expect "empty longitude" "$out|$err|$rc" "|Please enter Longitude|1"
run locator JO62Q
expect "short locator" "$out|$err|$rc" "|Please enter IARU Locator|1"
run distance JO62QM KO85
expect "short distant locator" "$out|$err|$rc" "|Please enter second location|1"
run dms -5 0 0 N 0 0 0 E
expect "engine refusal" "$out|$err|$rc" "|Latitude not accepted|1"

run bearing JO62QM KO85TS
expect "unknown command: exit code" "$rc" "2"
expect "unknown command: nothing on stdout" "$out" ""
run --chars 7 locator JO62QM
expect "bad length: exit code" "$rc" "2"
run
expect "no arguments: exit code" "$rc" "2"
run --help
expect "help: exit code" "$rc" "0"
for form in "dms LATDEG" "decimal LAT LON" "locator LOCATOR" "distance LOCATOR1 LOCATOR2" "--chars" "--batch"; do
    case "$out" in *"$form"*) ;; *) expect "help documents $form" "missing" "present" ;; esac
done

printf '%s\n' "decimal 52.5 13.4" "dms 90 0 0 N 0 0 0 E" "" "distance JO62QM KO85TS" \
    "nonsense" "--chars 10 locator JO62QM55" "decimal 1 2" >"$scratch/in"
printf 'locator KO85TS' >>"$scratch/in"   # last line without its newline
run --chars 8 --batch
expect "batch lines" "$out" "JO62QM80 52 30 0.00 N 13 24 0.00 E
error: Please enter Latitude Degrees

67.4 1000.5 1610.1 869.4
error: unknown command: nonsense
52.522743 52 31 21.88 N 13.378819 13 22 43.75 E
JJ11AA00 1 0 0.00 N 2 0 0.00 E
55.770833 55 46 15.00 N 37.625000 37 37 30.00 E"
expect "batch: nothing on stderr" "$err" ""
expect "batch with a bad line: exit code" "$rc" "1"

printf '%s\n' "locator JO62QM" "distance JO62QM JO62QM" >"$scratch/in"
run --batch
expect "clean batch" "$out|$rc" "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E
0.0 0.0 0.0 0.0|0"
: >"$scratch/in"
run --batch locator JO62QM
expect "batch with a request on the command line: exit code" "$rc" "2"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "locatrix-cli: all checks passed"
