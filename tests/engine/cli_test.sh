#!/usr/bin/env bash
# locatrix-cli as a process: what goes to stdout and stderr, the exit codes, --help, the batch
# mode and the toolbox commands on standard input. The texts are the in-process tests'.
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

fail() {
    printf 'FAIL: %s\n  got:    %q\n  wanted: %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
}

# check WHAT PATTERN ARGS...: "stdout|stderr|exit code" of the CLI reading $scratch/in, without
# the Windows build's carriage returns, must match the glob PATTERN.
check() {
    local what=$1 wanted=$2 rc got
    shift 2
    "${cli[@]}" "$@" <"$scratch/in" >"$scratch/out" 2>"$scratch/err"
    rc=$?
    got="$(tr -d '\r' <"$scratch/out")|$(tr -d '\r' <"$scratch/err")|$rc"
    # shellcheck disable=SC2053
    [[ $got == $wanted ]] || fail "$what" "$got" "$wanted"
}
: >"$scratch/in"

check "a result: stdout, exit 0" "52.520833 13.375000 JO62QM||0" dms 52 31 15 N 13 22 30 E
check "a refusal: the window's text on stderr, exit 1" "|Please enter Longitude|1" decimal 0 ""
check "a request of the wrong form: exit 2" "|locatrix-cli: unknown command: \"bearing\"
Try 'locatrix-cli --help'.|2" bearing JO62QM KO85TS
check "no arguments: the help on stderr, exit 2" "|Usage: locatrix-cli *|2"
check "--help: the forms and the complaints on stdout, exit 0" "Usage: locatrix-cli *distance LOCATOR1 LOCATOR2*\
\"Please enter Latitude Degrees\"*\"Please enter second location\"*Exit status: 0 done; 1 *||0" locator JO62QM --help
check "--version" "locatrix-cli [0-9]*||0" --version
check "--batch with a request on the command line: exit 2" "|locatrix-cli: --batch takes*|2" --batch locator JO62QM
check "the window's forms in JSON" '{"bearing_deg":67.4,"distance_mi":1000.5,"distance_km":1610.1,"distance_nmi":869.4}||0' \
    --format json distance JO62QM KO85TS

# One line out for each line in, the batch's --chars, a line's own --chars over it, and NUL
# and Ctrl-Z as bytes of their lines (Ctrl-Z would end a Windows text-mode read).
printf 'decimal 52.5 13.4\nnonsense\n\n--chars 10 decimal 1 2\nlocator \0\n\032\nlocator KO85TS' >"$scratch/in"
check "a batch with bad lines: exit 1, nothing on stderr" "JO62QM80 52 30 0.00 N 13 24 0.00 E
error: unknown command: \"nonsense\"

JJ11AA00AA 1 0 0.00 N 2 0 0.00 E
error: a request holds no control bytes: \"\\\\x00\"
error: a request holds no control bytes: \"\\\\x1A\"
55.770833 55 46 15.00 N 37.625000 37 37 30.00 E||1" --chars 8 --batch
printf 'locator JO62QM\n' >"$scratch/in"
check "a clean batch: exit 0" "52.520833 52 31 15.00 N 13.375000 13 22 30.00 E||0" --batch

# The toolbox commands: their statuses and what goes where.
check "square: a result, exit 0" "JJ00
south-west: 0.000000 0.000000*||0" square jj00
check "square: a bad locator named, exit 1" '|locatrix-cli: square: "JO6": a locator has 2, 4, 6, 8, 10 or 12 characters, not 3|1' square JO6
check "path: a usage error, exit 2" "|locatrix-cli: path takes two places*Try 'locatrix-cli --help'.|2" path JO62QM
check "an unknown toolbox option, exit 2" "|locatrix-cli: unknown option: --colour*|2" path --colour red A B
check "an option the command does not take, exit 2" "|locatrix-cli: square does not take --overwrite*|2" square --overwrite JO62
check "map without -o, exit 2" "|locatrix-cli: map writes an SVG file*|2" map JO62QM FN20XR
printf 'x\r\n$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46\r\n' >"$scratch/in"
check "nmea from standard input: the fix on stdout, the counts on stderr" \
    "JO62QM|nmea: 2 lines: 1 fixes (1 printed)*1 other lines|0" nmea
printf '<CALL:10>DL1X<EOR>' >"$scratch/in"
check "adif: a malformed log from standard input, nothing written, exit 1" \
    "|locatrix-cli: adif: standard input, line 1: field CALL: *; nothing written|1" adif

# Native only: reading and writing failures give a message and exit 3, never a silent 0 or a
# refusal's 1 (Wine's view of a directory or a full device differs); and the map is XML.
if [ $# -eq 1 ]; then
    check_io() {
        local what=$1 wanted=$2 got
        got=$(eval "\"\${cli[@]}\" $3" 2>&1 >/dev/null; echo "|$?")
        # shellcheck disable=SC2053
        [[ $got == $wanted ]] || fail "$what" "$got" "$wanted"
    }
    check_io "--batch reading a directory" "locatrix-cli: reading standard input failed*|3" '--batch <"$scratch"'
    check_io "a result to a full device" "locatrix-cli: writing standard output failed*|3" 'decimal 1 2 >/dev/full'
    check_io "--help to a full device" "locatrix-cli: writing standard output failed*|3" '--help >/dev/full'
    check_io "a batch to a full device" "locatrix-cli: writing standard output failed*|3" \
        '--batch >/dev/full <<<"decimal 1 2"'
    command -v xmllint >/dev/null || fail "xmllint is missing: scripts/setup.sh installs libxml2-utils" "" ""
    "${cli[@]}" map JO62QM PF95 -o "$scratch/map.svg" &&
        xmllint --noout "$scratch/map.svg" || fail "map: a well-formed SVG file" "$?" 0
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "locatrix-cli: all checks passed"
