#!/usr/bin/env bash
# Native against Wine: runs engine_compare natively and as a Windows program under Wine on
# the same pseudo-random inputs and compares the outputs.
#   compare.sh NATIVE_ENGINE_COMPARE WINDOWS_ENGINE_COMPARE_EXE EMULATOR [COUNT]
# Everything that does not go through sine, cosine or arc cosine must agree bit for bit.
# A path line (P, T, X) may differ only where a runtime's sin, cos or acos gave a different
# last bit for the same argument: each differing value must either be such a call or have
# a differing input. No worked example (X) may differ at all.
set -euo pipefail
native=$1
windows=$2
emulator=$3
count=${4:-300000}

if [ ! -x "$native" ]; then
    echo "compare.sh: the native build's engine_compare is missing: $native" >&2
    echo "compare.sh: build the native tree first (scripts/build.sh builds build/native before build/win32)" >&2
    exit 1
fi
if [ ! -f "$windows" ]; then
    echo "compare.sh: the Windows build's engine_compare.exe is missing: $windows" >&2
    exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" "$count" >"$scratch/native"
"$emulator" "$windows" "$count" | tr -d '\r' >"$scratch/windows"

lines_native=$(wc -l <"$scratch/native")
lines_windows=$(wc -l <"$scratch/windows")
echo "inputs: $count; lines: native $lines_native, Windows $lines_windows"
if [ "$lines_native" -ne "$count" ] || [ "$lines_windows" -ne "$count" ]; then
    echo "FAIL: line counts differ from the number of inputs" >&2
    exit 1
fi

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
    if (a[arg] != b[arg]) return
    calls[fn]++
    if (a[out] != b[out]) differs[fn]++
}
{
    kind = substr($1, 1, 1)
    lines[kind]++
    path = kind == "P" || kind == "T" || kind == "X"
    if ($1 == $2) {
        # Count the calls of agreeing lines too, for the rates below.
        if (path && split($1, a, " ") >= 35) {
            calls["cos"] += 4; calls["sin"] += 4
            calls["acos"] += (a[12] == "0000000000000000" || a[12] == "8000000000000000") ? 1 : 2
        }
        next
    }
    if (!path) {
        fail("a result without trigonometry differs")
        next
    }
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
    if (a[12] != "0000000000000000" && a[12] != "8000000000000000") trig("acos", 25, 24)
    derived("t", 26, "25,7,8,21,12")
    derived("the bearing", 28, "26"); derived("the nautical miles", 29, "20")
    derived("the statute miles", 30, "29"); derived("the kilometres", 31, "29")
    derived("the shown bearing", 32, "28"); derived("the shown nautical miles", 33, "29")
    derived("the shown statute miles", 34, "30"); derived("the shown kilometres", 35, "31")
    intermediate++
    shown = 0
    for (k = 28; k <= 35; k++) if (a[k] != b[k]) shown = 1
    if (shown) {
        results++
        if (results <= 10) print "result differs (trigonometry): " a[3] " " a[4] ": native " a[32] " " a[33] " " a[34] " " a[35] ", Windows " b[32] " " b[33] " " b[34] " " b[35]
    }
    if (kind == "X") fail("a worked example differs")
}
END {
    printf "lines by kind:"
    for (k in lines) printf " %s %d", k, lines[k]
    printf "\n"
    printf "path lines with a differing intermediate: %d; with a differing result: %d\n", intermediate, results
    for (fn in calls)
        printf "%s: %d calls with equal arguments, %d with a different last bit (%s)\n", fn, calls[fn], differs[fn] + 0, differs[fn] ? sprintf("1 in %.0f", calls[fn] / differs[fn]) : "none"
    if (failures) { print failures " failure(s)"; exit 1 }
    print "native and Windows agree: every difference starts at a runtime sin, cos or acos; no worked example differs"
}'
