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

# The toolbox commands as processes: their statuses, what goes where, and bytes kept as they
# are (no carriage returns added, none lost) on every system.
: >"$scratch/in"
check "square: a result, exit 0" "JJ00
south-west: 0.000000 0.000000*||0" square jj00
check "square: a bad locator named, exit 1" '|locatrix-cli: square: "JO6": a locator has 2, 4, 6, 8, 10 or 12 characters, not 3|1' square JO6
check "path: a usage error, exit 2" "|locatrix-cli: path takes two places*Try 'locatrix-cli --help'.|2" path JO62QM
check "an unknown toolbox option, exit 2" "|locatrix-cli: unknown option: --colour*|2" path --colour red A B
check "an option the command does not take, exit 2" "|locatrix-cli: square does not take --overwrite*|2" square --overwrite JO62
check "--version" "locatrix-cli [0-9]*||0" --version
check "map without -o, exit 2" "|locatrix-cli: map writes an SVG file*|2" map JO62QM FN20XR

check "the window's forms in JSON" '{"bearing_deg":67.4,"distance_mi":1000.5,"distance_km":1610.1,"distance_nmi":869.4}||0' \
    --format json distance JO62QM KO85TS
check "the window's forms in CSV, a refusal as in text" "|Please enter Latitude|1" --format csv decimal 95 0
printf 'locator JO62QM\nlocator JO6\n' >"$scratch/in"
check "a batch in JSON: one object per line" '{"lat_deg":52.520833,*"lon_hemisphere":"E"}
{"error":"Please enter IARU Locator"}||1' --batch --format=json
: >"$scratch/in"

# check_bytes WHAT EXPECTED_FILE ARGS...: stdout of the CLI reading $scratch/in, byte for byte.
check_bytes() {
    local what=$1 expected=$2
    shift 2
    "${cli[@]}" "$@" <"$scratch/in" >"$scratch/out" 2>"$scratch/err"
    if ! cmp -s "$scratch/out" "$expected"; then
        printf 'FAIL: %s\n  got:    %q\n  wanted: %q\n' "$what" "$(cat "$scratch/out")" "$(cat "$expected")"
        failures=$((failures + 1))
    fi
}
# sentence BODY: $BODY*hh with the XOR of BODY's bytes as its checksum.
sentence() {
    local body=$1 sum=0 i
    for ((i = 0; i < ${#body}; i++)); do
        sum=$((sum ^ $(printf '%d' "'${body:i:1}")))
    done
    printf '$%s*%02X' "$body" "$sum"
}
# A receiver's stream: CRLF, junk, a bad checksum, a last line without its end.
{
    printf 'junk\r\n%s\r\n' "$(sentence GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,)"
    printf '$GPGGA,1,5231.250,N,01322.500,E,1,08*00\r\n'
    sentence GNRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A
} >"$scratch/in"
bad_sum=$(sentence GPGGA,1,5231.250,N,01322.500,E,1,08)
printf 'JO62QM55\nKO85TS55\n' >"$scratch/want"
check_bytes "nmea: one locator per fix, LF only" "$scratch/want" nmea --chars 8
check "nmea: the bad sentence and the counts on stderr" "*|locatrix-cli: nmea: line 3: checksum \\*00, but the sentence sums to \\${bad_sum#*,08}
nmea: 4 lines: 2 fixes (2 printed), 0 without a fix, 1 bad checksums, 0 malformed, 0 other sentences, 1 other lines|0" nmea
# A log with CRLF and a lone LF: every byte back, DISTANCE added.
printf 'header\r\n<EOH>\r\n<CALL:4>DL1X<gridsquare:6:s>KO85TS<EOR>\n<CALL:2>K1<EOR>\r\n' >"$scratch/in"
printf 'header\r\n<EOH>\r\n<CALL:4>DL1X<gridsquare:6:s>KO85TS<DISTANCE:6>1610.1 <EOR>\n<CALL:2>K1<EOR>\r\n' >"$scratch/want"
check_bytes "adif: the log back with DISTANCE, line ends untouched" "$scratch/want" adif --from JO62QM
check "adif: counts on stderr" "*|adif: 2 QSOs: 1 filled, 0 overwritten, 0 kept (DISTANCE already there), 1 without GRIDSQUARE, 0 without MY_GRIDSQUARE or --from, 0 with a grid that is not a locator|0" adif --from JO62QM
printf '<CALL:10>DL1X<EOR>' >"$scratch/in"
check "adif: a malformed log, nothing written, exit 1" "|locatrix-cli: adif: standard input, line 1: field CALL: its length 10 runs past the end of the log; nothing written|1" adif
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
