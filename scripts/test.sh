#!/usr/bin/env bash
# Sets up, builds and runs every test: natively, then the Windows binaries under Wine on a
# headless display. The 32-bit build is what ships, so it is always built and checked; its
# tests run where this kernel runs 32-bit programs (and the 64-bit build's too), else the
# 64-bit build's alone. LOCATRIX_WINE_ARCH=win32|win64 runs only that one.
# Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/xvfb-session.sh"
. "$root/scripts/wine-env.sh"

"$root/scripts/setup.sh"
forced=${LOCATRIX_WINE_ARCH:-}
locatrix_wine_choose || exit 1
locatrix_wine_describe "Windows tests"
suites=("$LOCATRIX_WINE_ARCH")
if [ -z "$forced" ] && [ "$LOCATRIX_WINE_ARCH" = win32 ] && [ -z "$(locatrix_loader_problem "$LOCATRIX_WINE64_LOADER")" ]; then
    suites+=(win64)
    echo "Windows tests: then the 64-bit build under wine64 too"
fi
trees=(native win32)
[ "${suites[*]}" = win32 ] || trees+=(win64)
"$root/scripts/build.sh" "${trees[@]}"

start_headless_display
finish() {
    for prefix in "$root"/build/win*/wineprefix; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
    stop_headless_display
}
trap finish EXIT

failed=()
ctest --test-dir "$root/build/native" --output-on-failure -j 2 || failed+=("native")
if [ "${suites[0]}" != win32 ]; then
    # The shipped 32-bit program cannot run here: check what can be checked without running it.
    "$root/scripts/check-shipped.sh" "$root/build/win32" || failed+=("win32 (static checks)")
fi
for arch in "${suites[@]}"; do
    locatrix_wine_choose "$arch" || exit 1
    export WINEPREFIX=$LOCATRIX_WINE_PREFIX
    "$root/scripts/wine-prefix.sh" "$WINEPREFIX"
    # One server for all test processes. Wine's own background processes (services, desktop)
    # start here, away from CTest's output pipes: started by a test, they would hold its pipe
    # open and CTest would wait for them until its timeout.
    wineserver -p 2>/dev/null || true
    "$LOCATRIX_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
    ctest --test-dir "$LOCATRIX_WINE_TREE" --output-on-failure -j 2 || failed+=("$arch")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "test.sh: tests failed in: ${failed[*]} (CTest's report for each is above)" >&2
    exit 1
fi
echo "test.sh: every test passed (native; ${suites[*]} under Wine)"
