#!/usr/bin/env bash
# engine_compare's output natively against the same under Wine:
#   compare.sh NATIVE_ENGINE_COMPARE WINDOWS_ENGINE_COMPARE_EXE EMULATOR [COUNT]
# Lines must agree to the bit, except that on a path line (P) the first field to differ may be
# a sine, cosine or arc cosine whose runtime gave another result for the same argument; what
# follows from it may differ too.
set -euo pipefail
native=$1
windows=$2
emulator=$3
count=${4:-300000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" "$count" >"$scratch/native" \
    || { echo "FAIL: $native stopped with status $? (scripts/build.sh builds build/native first)" >&2; exit 1; }
"$emulator" "$windows" "$count" | tr -d '\r' >"$scratch/windows" \
    || { echo "FAIL: $windows under $emulator stopped with status $?" >&2; exit 1; }

paste -d '\t' "$scratch/native" "$scratch/windows" | awk -F '\t' -v count="$count" '
$1 == $2 { next }
{
    n = split($1, a, " ")
    split($2, b, " ")
    for (k = 1; k <= n && a[k] == b[k]; k++) ;
    split(a[k], x, "=")
    split(b[k], y, "=")
    if (a[1] == "P" && x[1] == y[1] && x[1] ~ /^(sin|cos|acos):/) { runtime++; next }
    if (++failures <= 20)
        print "FAIL: field " k " differs, and not as a runtime sine, cosine or arc cosine of the same argument (line " NR ")\n  native:  " $1 "\n  Windows: " $2
}
END {
    if (NR != count) { print "FAIL: " NR " lines for " count " inputs"; exit 1 }
    if (failures) { print failures " failure(s)"; exit 1 }
    print "native and Windows agree, except on " runtime + 0 " path lines where a runtime sin, cos or acos differs first"
}'
