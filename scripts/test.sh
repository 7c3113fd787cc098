#!/usr/bin/env bash
# Sets up, builds and runs every test: natively, then the Windows binaries under Wine on a
# headless display. The 32-bit build is what ships, so it is always built and checked; its
# tests run where this kernel runs 32-bit programs, else the 64-bit build's do
# (LOCATRIX_WINE_ARCH=win32|win64 forces one). Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/xvfb-session.sh"
. "$root/scripts/wine-env.sh"

"$root/scripts/setup.sh"
locatrix_wine_choose || exit 1
locatrix_wine_describe "Windows tests"
trees=(native win32)
[ "$LOCATRIX_WINE_ARCH" = win32 ] || trees+=("$LOCATRIX_WINE_ARCH")
"$root/scripts/build.sh" "${trees[@]}"

export WINEPREFIX=$LOCATRIX_WINE_PREFIX
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
start_headless_display
# One server for all test processes. Wine's own background processes (services, desktop)
# start here, away from CTest's output pipes: started by a test, they would hold its pipe open
# and CTest would wait for them until its timeout.
wineserver -p 2>/dev/null || true
"$LOCATRIX_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
finish() { wineserver -k 2>/dev/null || true; stop_headless_display; }
trap finish EXIT

failed=()
ctest --test-dir "$root/build/native" --output-on-failure -j 2 || failed+=("native")
if [ "$LOCATRIX_WINE_ARCH" != win32 ]; then
    # The shipped 32-bit program cannot run here: check what can be checked without running it.
    ctest --test-dir "$root/build/win32" --output-on-failure -L static || failed+=("win32 (static checks)")
fi
ctest --test-dir "$LOCATRIX_WINE_TREE" --output-on-failure -j 2 || failed+=("$LOCATRIX_WINE_ARCH")
if [ ${#failed[@]} -gt 0 ]; then
    echo "test.sh: tests failed in: ${failed[*]} (CTest's report for each is above)" >&2
    exit 1
fi
echo "test.sh: every test passed (native, $LOCATRIX_WINE_ARCH under Wine)"
