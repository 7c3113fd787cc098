#!/usr/bin/env bash
# The native locatrix-cli and locatrix-cli.exe under Wine give the same bytes for the same
# input: standard output and the written file (svg) byte for byte, messages and exit statuses alike.
#   same_bytes.sh NATIVE_CLI EMULATOR WINDOWS_CLI
set -uo pipefail
native=$1
emulator=$2
windows=$3
if [ ! -x "$native" ]; then
    echo "same_bytes.sh: $native is missing (scripts/build.sh builds build/native before build/win32)"
    exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

printf 'x\r\n$GPGGA,1,5231.250,N,01322.500,E,1,08,0.9,5,M,4,M,,*46\r\n$GNGLL,3352.000,S,15112.000,E,2,A,A*00\r\n$GPRMC,1,A,5546.250,N,03737.500,E,0,0,230394,,,A' >"$scratch/nmea"
printf 'decimal 52.5 13.4\r\ndistance JO62QM FN20XR\nnonsense\n\nlocator KO85TS' >"$scratch/batch"
printf 'log\r\n<EOH>\r\n<CALL:4>DL1X<gridsquare:6:s>KO85TS<EOR>\n<CALL:2>K1<GRIDSQUARE:4>FN31<MY_GRIDSQUARE:6>PM95vq<EOR>\r\n' >"$scratch/adif"

# One case per line: a name, then the arguments; "IN" reads the named input file from stdin.
cases=(
    "square|square JO62QM jo RR99XX99XX99"
    "path-near-antipode|path --precision 9 0,0 -0.000001,179.999999"
    "path-short|path --precision 12 52.5,13.4 52.500001,13.400001"
    "path-geojson|path --format geojson JO62QM BL11"
    "nmea|IN nmea nmea --chars 10"
    "adif|IN adif adif --from JO62QM"
    "adif-bad|IN adif adif --from JO6"
    "batch-csv|IN batch --batch --format csv"
    "map|map JO62QM FN20XR -o OUT"
)
failures=0
for entry in "${cases[@]}"; do
    name=${entry%%|*}
    read -r -a args <<<"${entry#*|}"
    input=/dev/null
    if [ "${args[0]}" = IN ]; then
        input="$scratch/${args[1]}"
        args=("${args[@]:2}")
    fi
    for side in native windows; do
        run=("$native")
        [ $side = windows ] && run=("$emulator" "$windows")
        side_args=("${args[@]/OUT/$scratch/$name.$side.svg}")
        (cd "$scratch" && "${run[@]}" "${side_args[@]}" <"$input" >"$scratch/$name.$side.out" 2>"$scratch/$name.$side.err")
        echo $? >"$scratch/$name.$side.rc"
        tr -d '\r' <"$scratch/$name.$side.err" >"$scratch/$name.$side.msg"
    done
    for part in out msg rc svg; do
        [ -f "$scratch/$name.native.$part" ] || continue
        if ! cmp -s "$scratch/$name.native.$part" "$scratch/$name.windows.$part"; then
            echo "FAIL: $name: $part differs"
            diff <(od -c "$scratch/$name.native.$part") <(od -c "$scratch/$name.windows.$part") | head -6
            failures=$((failures + 1))
        fi
    done
done
if [ "$failures" -ne 0 ]; then
    echo "$failures difference(s) between the native and the Windows locatrix-cli"
    exit 1
fi
echo "native and Windows locatrix-cli agree byte for byte in ${#cases[@]} cases"
