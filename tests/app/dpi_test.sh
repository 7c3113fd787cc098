#!/usr/bin/env bash
# The windows at 96, 120, 144 and 192 DPI: for each, sets LogPixels in a prefix of its own (other
# tests share the usual one) and runs the given tests there, told which DPI to expect.
#   dpi_test.sh PREFIX TEST.exe GTEST_FILTER
set -uo pipefail
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)
. "$scripts/wine-env.sh"
[ $# -eq 3 ] || { echo "usage: dpi_test.sh PREFIX TEST.exe GTEST_FILTER" >&2; exit 2; }
export LOCATRIX_WINEPREFIX=$1 WINEPREFIX=$1
program=$2
# The loader for the build the test program is of.
locatrix_wine_choose "$(locatrix_pe_arch "$program")" || exit 1
"$scripts/wine-prefix.sh" "$WINEPREFIX" || { echo "dpi_test: could not create the prefix $WINEPREFIX" >&2; exit 1; }

set_dpi() {
    "$LOCATRIX_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 &&
        wineserver -w  # the next program reads it at its start
}
failed=0
for dpi in 96 120 144 192; do
    set_dpi "$dpi" || { echo "FAIL: could not set LogPixels to $dpi in $WINEPREFIX"; failed=$((failed + 1)); continue; }
    echo "== $(basename "$program") at $dpi DPI"
    LOCATRIX_TEST_DPI=$dpi "$scripts/wine-run.sh" "$program" --gtest_filter="$3" --gtest_brief=1 ||
        { echo "FAIL: $(basename "$program") at $dpi DPI"; failed=$((failed + 1)); }
done
set_dpi 96
echo "dpi_test: $failed failed"
[ $failed -eq 0 ]
