#!/usr/bin/env bash
# Start-up speed of Locatrix.exe under Wine against two floors built the same way: the
# calculator's own dialog shown by a program with no code behind it, and a bare one-button
# dialog. Each is timed from process start to a visible dialog that answers messages, in turn,
# RUNS times each (default 10), in the scratch prefix on a headless display.
#   scripts/startup-bench.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
tree="$root/build/win32"
. "$root/scripts/xvfb-session.sh"

cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$tree" -j2 --target Locatrix locatrix_floor locatrix_bare_floor startup_probe >/dev/null

export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
    start_headless_display
    trap stop_headless_display EXIT
fi

locatrix=$(winepath -w "$tree/app/Locatrix.exe")
floor=$(winepath -w "$tree/bench/startup/locatrix_floor.exe")
bare=$(winepath -w "$tree/bench/startup/locatrix_bare_floor.exe")
wine "$tree/bench/startup/startup_probe.exe" "$runs" "$locatrix" "$floor" "$bare"
