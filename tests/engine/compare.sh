#!/usr/bin/env bash
# Native against Wine: engine_compare's output for the same pseudo-random inputs, natively and
# as a Windows program under Wine.
#   compare.sh NATIVE_ENGINE_COMPARE WINDOWS_ENGINE_COMPARE_EXE EMULATOR [COUNT]
# Lines must agree to the bit, except that on a path line (P, X) the first field to differ may
# be a sine, cosine or arc cosine whose runtime gave another result for the same argument;
# what follows from it may differ too, but no worked example (X) may show another result.
set -euo pipefail
native=$1
windows=$2
emulator=$3
count=${4:-300000}
[ -f "$native" ] && [ -f "$windows" ] \
    || { echo "compare.sh: $native or $windows is missing (scripts/build.sh builds build/native first)" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" "$count" >"$scratch/native" || { echo "FAIL: $native stopped with status $?" >&2; exit 1; }
"$emulator" "$windows" "$count" | tr -d '\r' >"$scratch/windows" \
    || { echo "FAIL: $windows under $emulator stopped with status $?" >&2; exit 1; }
for side in native windows; do
    lines=$(wc -l <"$scratch/$side")
    [ "$lines" -eq "$count" ] || { echo "FAIL: $side wrote $lines lines for $count inputs" >&2; exit 1; }
done

paste -d '\t' "$scratch/native" "$scratch/windows" | awk -F '\t' '
function fail(msg) {
    if (++failures <= 20) print "FAIL: " msg " (line " NR ")\n  native:  " $1 "\n  Windows: " $2
}
{
    kind = substr($1, 1, 1)
    lines[kind]++
    if ($1 == $2) next
    n = split($1, a, " ")
    split($2, b, " ")
    for (k = 1; k <= n && a[k] == b[k]; k++) ;
    split(a[k], x, "=")
    split(b[k], y, "=")
    if (kind !~ /^[PX]$/ || x[1] != y[1] || x[1] !~ /^(sin|cos|acos):/) {
        fail("field " k " differs, and not as a runtime sine, cosine or arc cosine of the same argument")
        next
    }
    runtime[substr(x[1], 1, index(x[1], ":") - 1)]++
    for (k = n - 3; k <= n; k++) if (a[k] != b[k]) break
    if (k > n) next
    if (kind == "X") fail("a worked example shows another result")
    else if (++results <= 10) print "result differs (trigonometry): " $1 "\n  Windows: " $2
}
END {
    printf "lines by kind:"
    for (k in lines) printf " %s %d", k, lines[k]
    printf "\npath lines whose shown result differs: %d\n", results
    for (fn in runtime) printf "%s: first difference on %d lines, for the same argument\n", fn, runtime[fn]
    if (failures) { print failures " failure(s)"; exit 1 }
    print "native and Windows agree: every difference starts at a runtime sin, cos or acos; every worked example shows the same result"
}'
