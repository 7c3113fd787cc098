#!/usr/bin/env bash
# Sets up, builds and runs every test: natively, then the Windows binaries under Wine
# on a headless display. Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/xvfb-session.sh"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

export WINEPREFIX="$root/build/win32/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
start_headless_display
# One server for all test processes. Wine's own background processes (services, desktop)
# start here, away from CTest's output pipes: started by a test, they would hold its pipe open
# and CTest would wait for them until its timeout.
wineserver -p 2>/dev/null || true
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
finish() { wineserver -k 2>/dev/null || true; stop_headless_display; }
trap finish EXIT

status=0
ctest --test-dir "$root/build/native" --output-on-failure -j 2 || status=1
ctest --test-dir "$root/build/win32" --output-on-failure -j 2 || status=1
exit $status
