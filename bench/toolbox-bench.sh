#!/usr/bin/env bash
# Times the toolbox's commands on big inputs as whole processes: adif on a log of 100000 QSOs,
# nmea on 1000000 sentences, map and path once each (best of three runs).
#   bench/toolbox-bench.sh [CLI]   (default build/native/cli/locatrix-cli)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${1:-$root/build/native/cli/locatrix-cli}
[ -x "$cli" ] || { echo "toolbox-bench.sh: $cli is missing; build it with scripts/build.sh native" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

awk 'BEGIN { printf "bench log\n<ADIF_VER:5>3.1.4\n<EOH>\n";
             for (i = 0; i < 100000; i++)
                 printf "<CALL:5>K%04d <GRIDSQUARE:6>%c%c%d%d%c%c <MODE:2>CW <QSO_DATE:8>20261207 <EOR>\n", i % 10000,
                        65 + i % 18, 65 + (i / 18) % 18, i % 10, (i / 10) % 10, 65 + i % 24, 65 + (i / 24) % 24 }' \
    >"$scratch/log.adi"
sentence='$GPGGA,092750.000,5231.2500,N,01322.5000,E,1,8,1.03,61.7,M,55.2,M,,*68'
awk -v s="$sentence" 'BEGIN { for (i = 0; i < 1000000; i++) printf "%s\r\n", s }' >"$scratch/gps.nmea"

best() {
    local what=$1 best=999999 t start
    shift
    for _ in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        t=$((($(date +%s%N) - start) / 1000000))
        [ $t -lt $best ] && best=$t
    done
    printf '%-40s %6d ms\n' "$what" "$best"
}
best "adif, 100000 QSOs ($(du -k "$scratch/log.adi" | cut -f1) KB)" "$cli" adif --from JO62QM "$scratch/log.adi" -o "$scratch/out.adi"
best "nmea, 1000000 sentences" "$cli" nmea "$scratch/gps.nmea"
# CPU seconds (user + system), best of three: from a file the locators go out in blocks, from a
# pipe (a live receiver, as far as the program can tell) each as it comes.
cpu() {
    local what=$1 best=999999 t
    shift
    for _ in 1 2 3; do
        t=$( { TIMEFORMAT='%U %S'; time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%d", ($1 + $2) * 1000 }')
        [ "$t" -lt $best ] && best=$t
    done
    printf '%-40s %6d ms CPU\n' "$what" "$best"
}
cpu "nmea, 1000000 sentences from a file" "$cli" nmea "$scratch/gps.nmea"
cpu "nmea, 1000000 sentences through a pipe" bash -c '"$1" nmea < <(cat "$2")' nmea "$cli" "$scratch/gps.nmea"
best "map JO62QM FN20XR" "$cli" map JO62QM FN20XR -o "$scratch/map.svg"
best "path --format geojson JO62QM BL11" "$cli" path --format geojson JO62QM BL11
