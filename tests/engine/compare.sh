#!/usr/bin/env bash
# Native against Wine: engine_compare's output for the same pseudo-random inputs, natively and
# as a Windows program under Wine.
#   compare.sh NATIVE_ENGINE_COMPARE WINDOWS_ENGINE_COMPARE_EXE EMULATOR [COUNT]
# Everything that does not go through sine, cosine or arc cosine must agree bit for bit. On a
# path line (P, T, X) a value may differ only if it is such a call whose runtime gave another
# result for the same argument, or if one of its inputs differs. No worked example (X) may show another result.
set -euo pipefail
native=$1
windows=$2
emulator=$3
count=${4:-300000}
for program in "$native" "$windows"; do
    if [ ! -f "$program" ]; then
        echo "compare.sh: $program is missing (scripts/build.sh builds build/native before build/win32)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" "$count" >"$scratch/native"
"$emulator" "$windows" "$count" | tr -d '\r' >"$scratch/windows"
for side in native windows; do
    lines=$(wc -l <"$scratch/$side")
    if [ "$lines" -ne "$count" ]; then
        echo "FAIL: $side wrote $lines lines for $count inputs" >&2
        exit 1
    fi
done

paste -d '\t' "$scratch/native" "$scratch/windows" | awk -F '\t' '
function fail(msg) {
    failures++
    if (failures <= 20) print "FAIL: " msg " (line " NR ")\n  native:  " $1 "\n  Windows: " $2
}
# A value computed from others without trigonometry may differ only when an input does.
function derived(name, out, inputs,    n, k, list) {
    if (a[out] == b[out]) return
    n = split(inputs, list, ",")
    for (k = 1; k <= n; k++)
        if (a[list[k]] != b[list[k]]) return
    fail(name " differs while all its inputs agree")
}
# A sine, cosine or arc cosine: with equal arguments a difference is the runtime'"'"'s.
function trig(fn, out, arg) {
    if (a[arg] == b[arg] && a[out] != b[out]) differs[fn]++
}
{
    kind = substr($1, 1, 1)
    lines[kind]++
    if ($1 == $2) next
    if (kind != "P" && kind != "T" && kind != "X") { fail("a result without trigonometry differs"); next }
    na = split($1, a, " ")
    nb = split($2, b, " ")
    if (na != nb || na < 35) { fail("path line shapes differ"); next }
    for (k = 1; k <= 12; k++)
        if (a[k] != b[k]) fail("a decoded position or a difference of longitudes differs")
    # Fields: 7 phi1, 8 phi2, 9 lambda1, 10 lambda2, 11 lambda1-lambda2, 12 delta,
    # 14 cos(11), 15 cos(8), 16 cos(7), 17 sin(7), 18 sin(8), 19 q, 20 acos(19),
    # 21 sin(12), 22 cos(20), 23 sin(20), 24 arg, 25 acos(24), 26 t,
    # 28-31 bearing, nautical, statute, km (bits), 32-35 the same formatted "%.1f".
    trig("cos", 14, 11); trig("cos", 15, 8); trig("cos", 16, 7)
    trig("sin", 17, 7); trig("sin", 18, 8)
    derived("q", 19, "14,15,16,17,18")
    trig("acos", 20, 19)
    trig("sin", 21, 12); trig("cos", 22, 20); trig("sin", 23, 20)
    derived("the bearing argument", 24, "18,22,17,23,16")
    trig("acos", 25, 24)
    derived("t", 26, "25,7,8,21,12")
    derived("the bearing", 28, "26"); derived("the nautical miles", 29, "20")
    derived("the statute miles", 30, "29"); derived("the kilometres", 31, "29")
    for (k = 28; k <= 31; k++) derived("a shown result", k + 4, k)
    # The 64-bit runtime rounds some sines differently from glibc; what the worked examples show
    # must still agree to the digit.
    if (kind == "X")
        for (k = 32; k <= 35; k++) if (a[k] != b[k]) fail("a worked example shows another result")
    intermediate++
    for (k = 28; k <= 35; k++) if (a[k] != b[k]) break
    if (k <= 35 && ++results <= 10)
        print "result differs (trigonometry): " a[3] " " a[4] ": native " a[32] " " a[33] " " a[34] " " a[35] ", Windows " b[32] " " b[33] " " b[34] " " b[35]
}
END {
    printf "lines by kind:"
    for (k in lines) printf " %s %d", k, lines[k]
    printf "\npath lines with a differing intermediate: %d; with a differing result: %d\n", intermediate, results
    for (fn in differs) printf "%s: %d results differ for equal arguments\n", fn, differs[fn]
    if (failures) { print failures " failure(s)"; exit 1 }
    print "native and Windows agree: every difference starts at a runtime sin, cos or acos; every worked example shows the same result"
}'
