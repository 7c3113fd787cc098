#!/usr/bin/env bash
# locatrix-cli as a process: stdout, stderr and exit codes of requests, --help, --batch and the
# toolbox on standard input and files. Given the Windows build too, every case must give the same
# bytes there: files and the toolbox's stdout exactly (the window's result lines may end in CR LF
# there), messages (without CRs) and exit codes alike.
#   cli_test.sh CLI    or    cli_test.sh NATIVE_CLI EMULATOR WINDOWS_CLI
set -uo pipefail
native=$1
windows=("${@:2}")
if [ ! -x "$native" ]; then
    echo "cli_test.sh: $native is missing (scripts/build.sh builds build/native before build/win32)"
    exit 1
fi
failures=0
scratch=$(mktemp -d)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT

# Under Wine without a display, one headless display for the whole script: a display
# started and stopped around each run leaves Wine's "X connection ... broken" on stderr.
if [ $# -gt 1 ] && [ -z "${DISPLAY:-}" ] && [ -f "$(dirname "$2")/xvfb-session.sh" ]; then
    . "$(dirname "$2")/xvfb-session.sh"
    start_headless_display
    cleanup() { rm -rf "$scratch"; stop_headless_display; }
fi

fail() {
    printf 'FAIL: %s\n  got:    %q\n  wanted: %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
}

# run native|windows ARGS...: the CLI reading $scratch/in into $scratch/SIDE.{out,err,rc,svg}
# (an argument OUT names the file it writes).
run() {
    local side=$1 cli=("$native")
    shift
    [ "$side" = windows ] && cli=("${windows[@]}")
    local tries=2 rc
    while :; do
        rm -f "$scratch/$side.svg"
        "${cli[@]}" "${@/OUT/$scratch/$side.svg}" <"$scratch/in" >"$scratch/$side.out" 2>"$scratch/$side.raw"
        rc=$?
        # Wine has been seen to end a program with a failure before it wrote anything. The CLI
        # never fails without a message, so such a run is started once more, and said so.
        [ "$side" = windows ] && [ $rc -ne 0 ] && [ ! -s "$scratch/$side.out" ] && [ ! -s "$scratch/$side.raw" ] &&
            [ $((--tries)) -gt 0 ] || break
        echo "note: the Windows build ended with status $rc and no output; running it once more"
    done
    echo $rc >"$scratch/$side.rc"
    tr -d '\r' <"$scratch/$side.raw" >"$scratch/$side.err"
    tr -d '\r' <"$scratch/$side.out" >"$scratch/$side.lines"
}

# What the Windows build's stdout must equal: the lines (CRs dropped) for the window's result
# lines, which a Windows console reads as text; the bytes (out) from the toolbox on.
stdout=lines
# check WHAT PATTERN ARGS...: "stdout|stderr|exit code" must match the glob PATTERN; the
# Windows build, when given, must give the same bytes.
check() {
    local what=$1 wanted=$2 got part
    shift 2
    run native "$@"
    got="$(<"$scratch/native.out")|$(<"$scratch/native.err")|$(<"$scratch/native.rc")"
    # shellcheck disable=SC2053
    [[ $got == $wanted ]] || fail "$what" "$got" "$wanted"
    [ ${#windows[@]} -gt 0 ] || return 0
    run windows "$@"
    for part in "$stdout" err rc svg; do
        [ -f "$scratch/native.$part" ] || continue
        cmp -s "$scratch/native.$part" "$scratch/windows.$part" ||
            fail "$what: the Windows build's $part" "$(<"$scratch/windows.$part")" "$(<"$scratch/native.$part")"
    done
}
: >"$scratch/in"

check "a result: stdout, exit 0" "52.520833 13.375000 JO62QM||0" dms 52 31 15 N 13 22 30 E
check "a refusal: the window's text on stderr, exit 1" "|Please enter Longitude|1" decimal 0 ""
check "a request of the wrong form: exit 2" "|locatrix-cli: unknown command: \"bearing\"
Try 'locatrix-cli --help'.|2" bearing JO62QM KO85TS
check "no arguments: the help on stderr, exit 2" "|Usage: locatrix-cli *|2"
check "--help: the forms and the complaints on stdout, exit 0" "Usage: locatrix-cli *distance LOCATOR1 LOCATOR2*\
\"Please enter Latitude Degrees\"*\"Please enter second location\"*Exit status: 0 done; 1 *||0" locator JO62QM --help
check "--batch with a request on the command line: exit 2" "|locatrix-cli: --batch takes*|2" --batch locator JO62QM

# One line out for each line in, the batch's --chars, a line's own --chars over it, and NUL
# and Ctrl-Z as bytes of their lines (Ctrl-Z would end a Windows text-mode read).
printf 'decimal 52.5 13.4\r\nnonsense\n\n--chars 10 decimal 1 2\nlocator \0\n\032\nlocator KO85TS' >"$scratch/in"
check "a batch with bad lines: exit 1, nothing on stderr" "JO62QM80 52 30 0.00 N 13 24 0.00 E
error: unknown command: \"nonsense\"

JJ11AA00AA 1 0 0.00 N 2 0 0.00 E
error: a request holds no control bytes: \"\\\\x00\"
error: a request holds no control bytes: \"\\\\x1A\"
55.770833 55 46 15.00 N 37.625000 37 37 30.00 E||1" --chars 8 --batch

# The window's forms in CSV and JSON, and the toolbox commands: their statuses and what goes
# where.
stdout=out
: >"$scratch/in"
check "the window's forms in JSON" '{"bearing_deg":67.4,"distance_mi":1000.5,"distance_km":1610.1,"distance_nmi":869.4}||0' \
    --format json distance JO62QM KO85TS
check "square: a result, exit 0" "JO62QM
south-west: 52.500000 13.333333*JO
*RR99XX99XX99
*||0" square JO62QM jo RR99XX99XX99
check "square: a bad locator named, exit 1" \
    '|locatrix-cli: square: "JO6": a locator has 2, 4, 6, 8, 10 or 12 characters, not 3|1' square JO6
check "path: a usage error, exit 2" "|locatrix-cli: path takes two places*Try 'locatrix-cli --help'.|2" path JO62QM
check "an option the command does not take, exit 2" \
    "|locatrix-cli: square does not take --overwrite*|2" square --overwrite JO62
check "map: the file, nothing on stdout" "||0" map JO62QM PF95 -o OUT
# Native only: the map is XML as a reader sees it.
if [ $# -eq 1 ]; then
    command -v xmllint >/dev/null || fail "xmllint is missing: scripts/setup.sh installs libxml2-utils" "" ""
    xmllint --noout "$scratch/native.svg" || fail "map: a well-formed SVG file" "$?" 0
fi

printf 'x\r\n$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46\r\n$GNGLL,3352.000,S,15112.000,E,2,A,A*00\r\n' \
    >"$scratch/in"
printf '$GPRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A' >>"$scratch/in"
check "nmea from standard input: fixes on stdout, bad sentences and the counts on stderr" \
    "JO62QM55AA|locatrix-cli: nmea: line 3: checksum \\*00, *line 4: no checksum*nmea: 4 lines: 1 fixes (1 printed)*|0" \
    nmea --chars 10
# A log with CRLF and a lone LF: every byte back, DISTANCE added.
printf 'h\r\n<EOH>\r\n<CALL:4>DL1X<gridsquare:6:s>KO85TS<EOR>\n<CALL:2>K1<EOR>\r\n' >"$scratch/in"
log=$'h\r\n<EOH>\r\n<CALL:4>DL1X<gridsquare:6:s>KO85TS<DISTANCE:6>1610.1 <EOR>\n<CALL:2>K1<EOR>\r'
check "adif: the log back with DISTANCE, line ends untouched" "$log|adif: 2 QSOs: 1 filled*|0" adif --from JO62QM

# Native only: reading and writing failures give a message and exit 3, never a silent 0 or a
# refusal's 1 (Wine's view of a directory or a full device differs).
if [ $# -eq 1 ]; then
    check_io() {
        local what=$1 wanted=$2 got
        got=$(eval "\"\$native\" $3" 2>&1 >/dev/null; echo "|$?")
        # shellcheck disable=SC2053
        [[ $got == $wanted ]] || fail "$what" "$got" "$wanted"
    }
    check_io "--batch reading a directory" "locatrix-cli: reading standard input failed*|3" '--batch <"$scratch"'
    check_io "a result to a full device" "locatrix-cli: writing standard output failed*|3" 'decimal 1 2 >/dev/full'
    check_io "a batch to a full device" "locatrix-cli: writing standard output failed*|3" \
        '--batch >/dev/full <<<"decimal 1 2"'
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "locatrix-cli: all checks passed"
